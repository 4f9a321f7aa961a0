#include "bazi/bazi_report.h"

#include <gtest/gtest.h>

#include "bazi/birthday_comments.h"
#include "common/text.h"
#include "reference_fixture.h"

namespace qk::bazi {
namespace {

const Ymd kToday{2024, 6, 1};

PanelInput Panel(int dateKind, const char* sex, const char* year, const char* month, const char* day,
                 const char* hour, const char* minute) {
  PanelInput panel;
  panel.dateKind = dateKind;
  panel.sex = sex;
  panel.year = year;
  panel.month = month;
  panel.day = day;
  panel.hour = hour;
  panel.minute = minute;
  return panel;
}

// Compares a report with the expected layout line by line. "…" stands for
// a content text (verse, commentary, birthday text): the line must be there
// with its label and some text after it.
void ExpectReport(const ReportOutcome& outcome, const std::string& expected) {
  ASSERT_EQ(outcome.kind, ReportOutcome::Kind::Report) << outcome.message;
  const std::vector<std::string> want = SplitLines(expected);
  ASSERT_EQ(outcome.lines.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    const std::string& got = outcome.lines[i];
    const std::size_t ellipsis = want[i].find("…");
    if (ellipsis != std::string::npos) {
      EXPECT_EQ(got.substr(0, ellipsis), want[i].substr(0, ellipsis)) << "line " << i + 1;
      EXPECT_GT(got.size(), ellipsis + 6) << "line " << i + 1 << " has no text";
    } else {
      EXPECT_EQ(got, want[i]) << "line " << i + 1;
    }
  }
}

std::vector<std::string> Lines(const ReportOutcome& outcome) {
  EXPECT_EQ(outcome.kind, ReportOutcome::Kind::Report) << outcome.message;
  return outcome.lines;
}

// 公历 1984-02-04 12:00 男 with no JQ row: the fixed boundary dates make it
// 甲子 丙寅; forward to 惊蛰 on 03-05 is 30 days, start age 10.
const char* const kGregorianNoTermTable = R"(年龄：40岁
您出生公历：1984年02月04日12点0分
农历：甲子(鼠年)一月初三
属相：鼠
星座：水瓶座
<-----------------------批八字内容分隔线----------------------------->
胎元：丁巳(沙中土)
起运：10岁
十神：七杀   偏印   日元   比肩
八字：甲子   丙寅   戊辰   戊午
遁藏：癸正财 甲七杀 乙正官 己劫财
             丙偏印 戊比肩 丁正印 
             戊比肩 癸正财        
五行：木水   火木   土土   土火
纳音：海中金 炉中火 大林木 天上火
纳音：炉中火 炉中火 大林木 大林木 路旁土 路旁土 剑锋金 剑锋金 山头火 山头火 
十神：偏印   正印   比肩   劫财   食神   伤官   偏财   正财   七杀   正官   
大运：丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥
      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁
始于：1984   1994   2004   2014   2024   2034   2044   2054   2064   2074

流年：甲子   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午
      乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未
      丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申
      丁卯   丁丑   丁亥   丁酉   丁未   丁巳   丁卯   丁丑   丁亥   丁酉
      戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子   戊戌
      己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑   己亥
      庚午   庚辰   庚寅   庚子   庚戌   庚申   庚午   庚辰   庚寅   庚子
      辛未   辛巳   辛卯   辛丑   辛亥   辛酉   辛未   辛巳   辛卯   辛丑
      壬申   壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰   壬寅
      癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳   癸卯

小运：戊午   戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子
      00岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁
      己未   己巳   己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑
      01岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁   91岁
      庚申   庚午   庚辰   庚寅   庚子   庚戌   庚申   庚午   庚辰   庚寅
      02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁   92岁
      辛酉   辛未   辛巳   辛卯   辛丑   辛亥   辛酉   辛未   辛巳   辛卯
      03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁   93岁
      壬戌   壬申   壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰
      04岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁   94岁
      癸亥   癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳
      05岁   15岁   25岁   35岁   45岁   55岁   65岁   75岁   85岁   95岁
      甲子   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午
      06岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁   96岁
      乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未
      07岁   17岁   27岁   37岁   47岁   57岁   67岁   77岁   87岁   97岁
      丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申
      08岁   18岁   28岁   38岁   48岁   58岁   68岁   78岁   88岁   98岁
      丁卯   丁丑   丁亥   丁酉   丁未   丁巳   丁卯   丁丑   丁亥   丁酉
      09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁   99岁
八字五行个数：金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个
喜用神：
<-----------------------批八字内容分隔线----------------------------->
袁天罡称骨算命：
你的骨重为：3两6钱
骨重诗评：…
骨重解评：…
<-----------------------批八字内容分隔线----------------------------->

性格简评：
    …

<-----------------------批八字内容分隔线----------------------------->

其他补充说明：

<-----------------------以上内容只作参考----------------------------->)";

// 农历 1990 五月廿一 09:30 女 (1990-06-13), with the built JQ table: 庚午 year,
// backward to 芒种 on 06-06 is 7 days, start age 3. The minute prints as typed.
const char* const kLunarInput = R"(年龄：34岁
您出生公历：1990年06月13日9点 30分
农历：庚午(马年)五月廿一
属相：马
星座：双子座
<-----------------------批八字内容分隔线----------------------------->
胎元：癸酉(剑锋金)
起运：3岁
十神：伤官   正财   日元   比肩
八字：庚午   壬午   己酉   己巳
遁藏：己比肩 己比肩 辛食神 庚伤官
      丁偏印 丁偏印        丙正印 
                           戊劫财 
五行：金火   水火   土金   土火
纳音：路旁土 杨柳木 大驿土 大林木
纳音：杨柳木 白蜡金 白蜡金 城头土 城头土 涧下水 涧下水 山头火 山头火 剑锋金 
十神：正财   食神   伤官   比肩   劫财   偏印   正印   七杀   正官   偏财   
大运：壬午   辛巳   庚辰   己卯   戊寅   丁丑   丙子   乙亥   甲戌   癸酉
      1-2岁   3岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁
始于：1990   1993   2003   2013   2023   2033   2043   2053   2063   2073

流年：庚午   癸酉   癸未   癸巳   癸卯   癸丑   癸亥   癸酉   癸未   癸巳
      辛未   甲戌   甲申   甲午   甲辰   甲寅   甲子   甲戌   甲申   甲午
      壬申   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉   乙未
             丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申
             丁丑   丁亥   丁酉   丁未   丁巳   丁卯   丁丑   丁亥   丁酉
             戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子   戊戌
             己卯   己丑   己亥   己酉   己未   己巳   己卯   己丑   己亥
             庚辰   庚寅   庚子   庚戌   庚申   庚午   庚辰   庚寅   庚子
             辛巳   辛卯   辛丑   辛亥   辛酉   辛未   辛巳   辛卯   辛丑
             壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰   壬寅

小运：己巳   丙寅   丙辰   丙午   丙申   丙戌   丙子   丙寅   丙辰   丙午
      00岁   03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁
      戊辰   乙丑   乙卯   乙巳   乙未   乙酉   乙亥   乙丑   乙卯   乙巳
      01岁   04岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁
      丁卯   甲子   甲寅   甲辰   甲午   甲申   甲戌   甲子   甲寅   甲辰
      02岁   05岁   15岁   25岁   35岁   45岁   55岁   65岁   75岁   85岁
             癸亥   癸丑   癸卯   癸巳   癸未   癸酉   癸亥   癸丑   癸卯
             06岁   16岁   26岁   36岁   46岁   56岁   66岁   76岁   86岁
             壬戌   壬子   壬寅   壬辰   壬午   壬申   壬戌   壬子   壬寅
             07岁   17岁   27岁   37岁   47岁   57岁   67岁   77岁   87岁
             辛酉   辛亥   辛丑   辛卯   辛巳   辛未   辛酉   辛亥   辛丑
             08岁   18岁   28岁   38岁   48岁   58岁   68岁   78岁   88岁
             庚申   庚戌   庚子   庚寅   庚辰   庚午   庚申   庚戌   庚子
             09岁   19岁   29岁   39岁   49岁   59岁   69岁   79岁   89岁
             己未   己酉   己亥   己丑   己卯   己巳   己未   己酉   己亥
             10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁
             戊午   戊申   戊戌   戊子   戊寅   戊辰   戊午   戊申   戊戌
             11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁   91岁
             丁巳   丁未   丁酉   丁亥   丁丑   丁卯   丁巳   丁未   丁酉
             12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁   92岁
八字五行个数：金:占2个, 木:占0个, 水:占1个, 火:占3个, 土:占2个
喜用神：
<-----------------------批八字内容分隔线----------------------------->
袁天罡称骨算命：
你的骨重为：4两
骨重诗评：…
骨重解评：…
<-----------------------批八字内容分隔线----------------------------->

性格简评：
    …

<-----------------------批八字内容分隔线----------------------------->

其他补充说明：

<-----------------------以上内容只作参考----------------------------->)";

class BaziReportWithoutTermTable : public test::ReferenceCopyFixture {
 protected:
  void SetUp() override {
    ReferenceCopyFixture::SetUp();
    EmptyTermTable();
  }
};

TEST_F(BaziReportWithoutTermTable, GregorianInputWholeReport) {
  ExpectReport(BaziReport(Panel(0, "男", "1984", "2", "4", "午 12", "0"), kToday), kGregorianNoTermTable);
}

TEST(BaziReport, LunarInputWholeReport) {
  ExpectReport(BaziReport(Panel(1, "女", "1990", "5", "21", "巳 9", " 30"), kToday), kLunarInput);
}

TEST(BaziReport, StartAgeOneUsesTheFixedHeader) {
  // 2021-02-03 21:00 男: 立春 comes the same evening, luck starts at 1.
  const auto lines = Lines(BaziReport(Panel(0, "男", "2021", "2", "3", "亥 21", "0"), kToday));
  ASSERT_GT(lines.size(), 19u);
  EXPECT_EQ(lines[7], "起运：1岁");
  EXPECT_EQ(lines[18], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(lines[19], "始于：2021   2022   2032   2042   2052   2062   2072   2082   2092   2102");
  EXPECT_EQ(lines[22].substr(0, 13), std::string(13, ' '));  // 流年 row 1: no column 0
}

TEST(BaziReport, StartAgeElevenFillsColumnZeroInEveryRow) {
  // 1990-04-05 12:00 男: 31 days forward to 立夏.
  const auto lines = Lines(BaziReport(Panel(0, "男", "1990", "4", "5", "午 12", "0"), kToday));
  ASSERT_GT(lines.size(), 51u);
  EXPECT_EQ(lines[7], "起运：11岁");
  EXPECT_EQ(lines[18], "      1-10岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁   91岁");
  for (int row = 1; row < 10; ++row) EXPECT_EQ(lines[21 + row].substr(0, 6), std::string(6, ' ')) << row;
  EXPECT_EQ(lines[51], "      09岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁   100岁");
}

TEST(BaziReport, BirthdayAndStarSignLines) {
  // 31 January has no date text: the day-of-month text alone.
  const auto january = Lines(BaziReport(Panel(0, "女", "1985", "1", "31", "子 0", "0"), kToday));
  ASSERT_GT(january.size(), 62u);
  EXPECT_EQ(january[62], "    " + std::string(BirthdayCommentTable()[31]));
  // 金牛座 keeps its trailing blank in the report.
  const auto april = Lines(BaziReport(Panel(0, "女", "1985", "4", "21", "子 0", "0"), kToday));
  EXPECT_EQ(april[4], "星座：金牛座 ");
}

TEST(BaziReport, InputProblemsGiveOneMessageAndNoLines) {
  const struct {
    PanelInput panel;
    ReportOutcome::Kind kind;
    const char* message;
  } cases[] = {
      {Panel(0, "男", "", "", "", "", "0"), ReportOutcome::Kind::Info, "请选择出生年!"},
      {Panel(0, "男", "1980", " ", "1", "子 0", "0"), ReportOutcome::Kind::Info, "请选择出生月!"},
      {Panel(0, "男", "1980", "1", "", "子 0", "0"), ReportOutcome::Kind::Info, "请选择出生日!"},
      {Panel(0, "男", "1980", "1", "1", "", "0"), ReportOutcome::Kind::Info, "请选择出生小时!"},
      {Panel(0, "男", "1981", "2", "29", "子 0", "0"), ReportOutcome::Kind::Error, "日期无效：1981-2-29"},
      {Panel(0, "男", "1980", "x", "1", "子 0", "0"), ReportOutcome::Kind::Error, "日期无效：1980-x-1"},
      {Panel(0, "男", "1980", "+1", "1", "子 0", "0"), ReportOutcome::Kind::Error, "日期无效：1980-+1-1"},
      {Panel(0, "男", "1900", "1", "30", "子 0", "0"), ReportOutcome::Kind::Error, "日期超出范围：1900-1-30"},
      {Panel(0, "男", "2101", "1", "1", "子 0", "0"), ReportOutcome::Kind::Error, "出生年份无效：2101"},
      {Panel(0, "男", "980", "1", "1", "子 0", "0"), ReportOutcome::Kind::Error, "出生年份无效：980"},
      // 农历 2023 has a 29-day first month; lunar 1900 cannot be converted.
      {Panel(1, "男", "2023", "1", "30", "子 0", "0"), ReportOutcome::Kind::Error, "农历日期无效：2023年1月30日"},
      {Panel(1, "男", "1900", "5", "1", "子 0", "0"), ReportOutcome::Kind::Error, "农历日期无效：1900年5月1日"},
      {Panel(1, "男", "1980", "13", "1", "子 0", "0"), ReportOutcome::Kind::Error, "农历日期无效：1980年13月1日"},
      {Panel(0, "男", "1980", "1", "1", "子 25", "0"), ReportOutcome::Kind::Error, "出生时辰无效：子 25"},
      {Panel(0, "男", "1980", "1", "1", "12", "0"), ReportOutcome::Kind::Error, "出生时辰无效：12"},
      // Bytes 4-5 of these would read 12 and 2: not the hours typed.
      {Panel(0, "男", "1980", "1", "1", "午 123", "0"), ReportOutcome::Kind::Error, "出生时辰无效：午 123"},
      {Panel(0, "男", "1980", "1", "1", "午12", "0"), ReportOutcome::Kind::Error, "出生时辰无效：午12"},
      {Panel(0, "男", "1980", "1", "1", "子 0", "60"), ReportOutcome::Kind::Error, "出生分钟无效：60"},
      {Panel(0, "男", "1980", "1", "1", "子 0", ""), ReportOutcome::Kind::Error, "出生分钟无效：未填写"},
  };
  for (const auto& c : cases) {
    const ReportOutcome outcome = BaziReport(c.panel, kToday);
    EXPECT_EQ(outcome.kind, c.kind) << c.message;
    EXPECT_EQ(outcome.message.rfind(c.message, 0), 0u) << outcome.message;
    EXPECT_TRUE(outcome.lines.empty()) << c.message;
  }
}

TEST(BaziReport, FirstAndLastDaysOfTheRange) {
  EXPECT_EQ(BaziReport(Panel(0, "男", "1900", "1", "31", "子 0", "0"), kToday).kind, ReportOutcome::Kind::Report);
  EXPECT_EQ(BaziReport(Panel(0, "男", "2100", "12", "31", "亥 23", "59"), kToday).kind,
            ReportOutcome::Kind::Report);
}

TEST_F(BaziReportWithoutTermTable, UnreadableBoneWeightTableEndsSilently) {
  RemoveFile("dream.dll");
  const ReportOutcome outcome = BaziReport(Panel(0, "男", "1984", "2", "4", "午 12", "0"), kToday);
  EXPECT_EQ(outcome.kind, ReportOutcome::Kind::Silent);
  EXPECT_TRUE(outcome.lines.empty());
}

TEST(BaziReportParts, SmallTexts) {
  EXPECT_EQ(YearGanzhiText(1984), "甲子");
  EXPECT_EQ(YearGanzhiText(1985), "乙丑");
  EXPECT_EQ(AgeLabel(0), "00岁");
  EXPECT_EQ(AgeLabel(7), "07岁");
  EXPECT_EQ(AgeLabel(23), "23岁");
  EXPECT_EQ(ElementCountText("木水   火木   土土   土火"), "金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占3个");
  EXPECT_EQ(ElementCountText(""), "金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个");
}

}  // namespace
}  // namespace qk::bazi
