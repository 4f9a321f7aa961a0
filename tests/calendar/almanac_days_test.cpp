// The huangdao rows that the build wrote into KunFile.dll, checked on days
// worked out by hand from the rules (day pillars counted from 2000-01-01 =
// 戊午; 立春 2024 on 02-04 at 16:27 China Standard Time; 2023 had a leap
// second month from 03-22), and over the whole range against the JQ table.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "calendar/almanac_lookup.h"
#include "data/reference_db.h"

namespace qk::calendar {
namespace {

AlmanacEntry Row(int year, int month, int day) {
  const AlmanacLookup found = LookupAlmanac({year, month, day});
  EXPECT_EQ(found.status, AlmanacLookupStatus::Found) << year << "-" << month << "-" << day;
  return found.entry;
}

TEST(AlmanacDays, SpringFestival2024) {
  const AlmanacEntry e = Row(2024, 2, 10);
  EXPECT_EQ(e.nn, "农历正月初一 星期六 金匮黄道日");
  EXPECT_EQ(e.suici, "甲辰年 丙寅月 甲辰日");
  EXPECT_EQ(e.tszf, "门鸡栖房内东");
  EXPECT_EQ(e.wuhang, "覆灯火 满执位");  // 寅 month, 辰 day: third officer
  EXPECT_EQ(e.cong, "冲狗(戊戌)煞南");
  EXPECT_EQ(e.pzbj, "甲不开仓财物耗散 辰不哭泣必主重丧");
  EXPECT_EQ(e.jishi, "丙寅时 戊辰时 己巳时 壬申时 癸酉时 乙亥时");
  EXPECT_NE(e.jsyq.find("金匮"), std::string::npos);
  EXPECT_FALSE(e.yi.empty());
  EXPECT_FALSE(e.ji.empty());
}

TEST(AlmanacDays, TermDayOpensTheMonthAndRepeatsTheOfficer) {
  // The day of 立春 already counts in 甲辰年 丙寅月; as the classical rule
  // has it, the officer of the day before (成) repeats on the term day.
  const AlmanacEntry before = Row(2024, 2, 3);
  const AlmanacEntry termDay = Row(2024, 2, 4);
  EXPECT_EQ(before.suici, "癸卯年 乙丑月 丁酉日");
  EXPECT_EQ(before.wuhang, "山下火 成执位");
  EXPECT_EQ(termDay.suici, "甲辰年 丙寅月 戊戌日");
  EXPECT_EQ(termDay.wuhang, "平地木 成执位");
  EXPECT_EQ(termDay.nn, "农历腊月廿五 星期日 司命黄道日");
}

TEST(AlmanacDays, LeapMonthDay) {
  const AlmanacEntry e = Row(2023, 3, 22);
  EXPECT_EQ(e.nn, "农历闰二月初一 星期三 明堂黄道日");
  EXPECT_EQ(e.suici, "癸卯年 乙卯月 己卯日");
  EXPECT_EQ(e.wuhang, "城头土 建执位");
  EXPECT_EQ(e.cong, "冲鸡(癸酉)煞西");
  EXPECT_EQ(e.tszf, "占大门外正西");
}

TEST(AlmanacDays, EndsOfTheRange) {
  EXPECT_EQ(Row(1901, 1, 1).suici, "庚子年 戊子月 己卯日");  // after 大雪 1900
  EXPECT_EQ(Row(1901, 1, 1).wuhang, "城头土 平执位");
  EXPECT_EQ(Row(2100, 12, 31).suici, "庚申年 戊子月 丁未日");
  EXPECT_EQ(Row(2100, 12, 31).wuhang, "天河水 危执位");
  EXPECT_EQ(LookupAlmanac({1900, 12, 31}).status, AlmanacLookupStatus::NoRow);
  EXPECT_EQ(LookupAlmanac({2101, 1, 1}).status, AlmanacLookupStatus::NoRow);
}

TEST(AlmanacDays, EveryDayOnceAndMonthsChangeOnlyOnJieDays) {
  const auto rows = data::Query(data::RefDb::KunFile, "select gn, suici, nn, jsyq, xsyq from huangdao order by gn");
  ASSERT_TRUE(rows.ok());
  ASSERT_EQ(rows.count(), 73049u);
  EXPECT_EQ(rows.rows.front()[0], "1901-01-01");
  EXPECT_EQ(rows.rows.back()[0], "2100-12-31");

  const auto jq = data::Query(data::RefDb::Tgcode,
                              "select substr(SJ, 1, 10) from JQ where JQ in ('小寒','立春','惊蛰','清明','立夏',"
                              "'芒种','小暑','立秋','白露','寒露','立冬','大雪') and SJ > '1901-01-02' and SJ < '2101'");
  ASSERT_TRUE(jq.ok());
  std::set<std::string> jieDays;
  for (const auto& r : jq.rows) jieDays.insert(r[0]);

  std::set<std::string> monthChanges;
  std::string previousMonth;
  for (const auto& r : rows.rows) {
    const std::string month = r[1].substr(r[1].find(' ') + 1, 6);  // "丙寅" of "甲辰年 丙寅月 …"
    if (!previousMonth.empty() && month != previousMonth) monthChanges.insert(r[0]);
    previousMonth = month;
    // The day spirit stands in the list of its path.
    const std::string spirit = r[2].substr(r[2].rfind(' ') + 1, 6);
    const bool yellow = r[2].find("黄道日") != std::string::npos;
    EXPECT_NE((yellow ? r[3] : r[4]).find(spirit), std::string::npos) << r[0];
  }
  EXPECT_EQ(monthChanges, jieDays);
}

TEST(AlmanacDays, TypedDateFindsTheSameRowWithOrWithoutZeros) {
  const AlmanacDate shortForm = CheckAlmanacDate("2012", "3", "5");
  const AlmanacDate longForm = CheckAlmanacDate(" 2012 ", "03", "05");
  ASSERT_TRUE(shortForm.message.empty());
  EXPECT_EQ(shortForm.key, "2012-3-5");
  EXPECT_EQ(longForm.key, "2012-03-05");
  EXPECT_EQ(LookupAlmanac(shortForm.date).entry, LookupAlmanac(longForm.date).entry);
  EXPECT_EQ(AlmanacSummary(shortForm.key, LookupAlmanac(shortForm.date).entry),
            "2012-3-5  " + LookupAlmanac(shortForm.date).entry.nn);
}

TEST(AlmanacDays, TypedDateMessages) {
  struct Case {
    const char *year, *month, *day, *message;
  };
  const Case cases[] = {
      {"", "02", "10", "请选择年!"},        {" ", "", "", "请选择年!"},
      {"2024", " ", "10", "请选择月!"},     {"2024", "02", "", "请选择日!"},
      {"2024", "02", "30", "请选择有效的日期!"}, {"2023", "02", "29", "请选择有效的日期!"},
      {"2024", "13", "1", "请选择有效的日期!"},  {"2024", "1", "1x", "请选择有效的日期!"},
      {"2024", "-1", "1", "请选择有效的日期!"},  {"２０２４", "1", "1", "请选择有效的日期!"},
      {"2026", "1", "1", ""},               {"2024", "2", "29", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckAlmanacDate(c.year, c.month, c.day).message, c.message)
        << c.year << "|" << c.month << "|" << c.day;
}

TEST(AlmanacDays, UnreadableDatabaseIsAFailureNotAMissingRow) {
  const auto empty = std::filesystem::temp_directory_path() / "qk_almanac_no_db";
  std::filesystem::create_directories(empty);
  data::SetReferenceDirectory(empty);
  EXPECT_EQ(LookupAlmanac({2024, 2, 10}).status, AlmanacLookupStatus::Failed);
  data::SetReferenceDirectory(std::nullopt);
  std::filesystem::remove_all(empty);
}

TEST(AlmanacDays, ResultPaneLines) {
  AlmanacEntry e;
  e.suici = "岁";
  e.tszf = "胎";
  e.wuhang = "五";
  e.cong = "冲";
  e.pzbj = "彭";
  e.jsyq = "吉";
  e.yi = "宜";
  e.xsyq = "凶";
  e.ji = "忌";
  const std::vector<std::string> expected{"岁次:岁",     "", "每日胎神占方:胎", "", "五行:五", "", "冲:冲", "",
                                          "彭祖百忌:彭", "", "吉神宜趋:吉",     "", "宜:宜",   "", "凶神宜忌:凶",
                                          "",            "忌:忌"};
  EXPECT_EQ(AlmanacResultLines(e), expected);
}

}  // namespace
}  // namespace qk::calendar
