#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fengshui/fengshui_report.h"
#include "fengshui/house_advice.h"
#include "fengshui/house_advice_texts.h"

namespace qk::fengshui {
namespace {

const std::string kSep(kSeparatorLine);
const std::string kLucky =
    "吉方建议：宜高、方、整齐为佳，忌低、缺等。宜开门、主卧、书房、客厅、床、神位、电梯入口等重要部位，"
    "忌灶炉、热水器、污水、烟囱、抽油烟机和杂物等。";
const std::string kUnlucky =
    "凶方建议：宜低、平、干净，忌高、大等，凶方宜卫生间、浴室、污水、灶炉、电视、储备室等，"
    "忌做主卧、开门、神位、床等。";
const std::string kNote =
    "备注：命卦与宅卦以相配为佳，遵循东四命配东四宅(坎、震、巽、离宅),西四命配西四宅(乾、坤、艮、兑宅)的原则。";

FengshuiFacts SampleFacts() {
  FengshuiFacts facts;
  facts.age = 44;
  facts.birthDate = {1980, 6, 5};
  facts.hourText = "7";
  facts.minuteText = " 8";
  facts.lunarText = "庚申(猴年)四月廿二";
  facts.animal = "猴";
  facts.starSign = "双子座";
  facts.mansion = "井";
  facts.nayin = "石榴木";
  facts.lifeTrigram = "坤";
  return facts;
}

TEST(WriteFengshuiReport, XuankongIsTheHeaderAndOneHeading) {
  const std::vector<std::string> expected{"",
                                          "年龄：44岁",
                                          "您出生公历：1980年06月05日7点 8分",
                                          "农历：庚申(猴年)四月廿二",
                                          "属相：猴",
                                          "星座：双子座",
                                          "星宿:井",
                                          "年纳音：石榴木",
                                          "命主财神位：",
                                          "文昌位：",
                                          "桃花位：",
                                          "玄空流年宅运：",
                                          "",
                                          ""};
  EXPECT_EQ(WriteFengshuiReport(SampleFacts(), kXuankong), expected);
}

TEST(WriteFengshuiReport, FloorLabelsNeedAnElementNayin) {
  auto facts = SampleFacts();
  const auto withNayin = WriteFengshuiReport(facts, kFullReading);
  EXPECT_EQ(withNayin[13], "坐向为正东、南、西、北所适合的楼层(金宅):");
  EXPECT_EQ(withNayin[14], "坐向为东南、东北、西北、西南所适合的楼层(土宅):");
  for (const char* nayin : {"", "石榴", "石榴x"}) {
    facts.nayin = nayin;
    const auto without = WriteFengshuiReport(facts, kFullReading);
    EXPECT_EQ(without.size(), withNayin.size() - 2) << nayin;
    EXPECT_EQ(without[7], std::string("年纳音：") + nayin);
    EXPECT_EQ(without[12], "宜居楼层：");
    EXPECT_EQ(without[13], "");
  }
}

TEST(WriteFengshuiReport, GroupVerdictAndMendedNote) {
  auto facts = SampleFacts();
  const auto west = WriteFengshuiReport(facts, kFullReading);
  EXPECT_EQ(west[16], "命主福元属坤卦，属于西四命，宜住乾宅、坤宅、艮宅、兑宅。");
  EXPECT_EQ(west[17], kNote);
  facts.lifeTrigram = "离";
  EXPECT_EQ(WriteFengshuiReport(facts, kFullReading)[16], "命主福元属离卦，属于东四命，宜住坎宅、震宅、巽宅、离宅。");
}

// 男, 公历 1980-02-01 12:30, before the lunar new year of 1980 (02-16): lunar
// 1979-12-15, year pillar 己未 (天上火), life trigram of 1979 for a man 震.
TEST(FengshuiReport, WholeReadingLineByLine) {
  PanelInput input;
  input.year = "1980";
  input.month = "2";
  input.day = "1";
  input.hour = "午 12";
  input.minute = "30";
  const auto outcome = FengshuiReport(input, {2024, 5, 1}, kFullReading);
  ASSERT_EQ(outcome.kind, ReportOutcome::Kind::Report) << outcome.message;

  std::vector<std::string> expected{
      "",
      "年龄：44岁",
      "您出生公历：1980年02月01日12点30分",
      "农历：己未(羊年)十二月十五",
      "属相：羊",
      "星座：水瓶座",
      "星宿:星",
      "年纳音：天上火",
      "命主财神位：",
      "文昌位：",
      "桃花位：",
      "",
      "宜居楼层：",
      "坐向为正东、南、西、北所适合的楼层(金宅):",
      "坐向为东南、东北、西北、西南所适合的楼层(土宅):",
      "",
      "命主福元属震卦，属于东四命，宜住坎宅、震宅、巽宅、离宅。",
      kNote,
      "",
      kLucky,
      "",
      kUnlucky,
      "",
      kSep,
      "",
      "本命阳宅适宜之方位：",
      "",
      "震卦：",
      "1、宅宜坐北向南或坐南向北大吉。",
      "2、门路宜开南方、北方、东南方吉。",
      "3、神位宜",
      "4、炉灶宜",
      "5、房间宜",
      "6、床位安于",
      "7、坑厕安于",
      "",
      "震命：生气在南方，天医在北方，延年在东南方，伏位在东方。祸害在西南方，六煞在东北方，五鬼在西北方，绝命在西方。",
      "",
      kSep,
      "",
      "门灶吉凶福祸断验：",
  };
  const char* doors[] = {"坎", "震", "巽", "离", "乾", "坤", "艮", "兑"};
  for (int door = 0; door < 8; ++door) {
    expected.push_back(std::string("门灶吉凶福祸断验") + doors[door] + "门乾主：");
    for (std::string_view judgement : kDoorStoveJudgements[door]) expected.emplace_back(judgement);
    expected.emplace_back();
  }
  const std::vector<std::string> tail{"八宅方位：", "", "八星吉凶：", "", "大门八方吉凶断：", "", "炉灶坐向八方吉凶断：", "",
                                      "床头向八方吉凶断：",
                                      "", kSep, "",
                                      "本宅分析：",
                                      "", kSep, "",
                                      "补充部分：",
                                      "", kSep, "",
                                      "玄空流年宅运：",
                                      "", kSep, "",
                                      "五行分析：",
                                      "", kSep, "",
                                      "星宿分析：",
                                      "", kSep,
                                      "", ""};
  expected.insert(expected.end(), tail.begin(), tail.end());
  ASSERT_EQ(outcome.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(outcome.lines[i], expected[i]) << "line " << i;
}

TEST(FengshuiReport, LunarInputPrintsItsGregorianDate) {
  PanelInput input;
  input.dateKind = 1;
  input.year = "1980";
  input.month = "1";
  input.day = "1";
  const auto outcome = FengshuiReport(input, {2024, 5, 1}, kXuankong);
  ASSERT_EQ(outcome.kind, ReportOutcome::Kind::Report) << outcome.message;
  EXPECT_EQ(outcome.lines[2], "您出生公历：1980年02月16日0点0分");
  EXPECT_EQ(outcome.lines[3], "农历：庚申(猴年)一月初一");
  EXPECT_EQ(outcome.lines[6], "星宿:室");
  EXPECT_EQ(outcome.lines.size(), 14u);
}

// 2023-03-22 is the first day of the leap second month: the mansion is that
// of the second month's first day.
TEST(FengshuiReport, LeapMonthTakesItsMonthsMansion) {
  PanelInput input;
  input.year = "2023";
  input.month = "3";
  input.day = "22";
  const auto outcome = FengshuiReport(input, {2024, 5, 1}, kXuankong);
  ASSERT_EQ(outcome.kind, ReportOutcome::Kind::Report) << outcome.message;
  EXPECT_EQ(outcome.lines[3], "农历：癸卯(兔年)闰二月初一");
  EXPECT_EQ(outcome.lines[4], "属相：兔");
  EXPECT_EQ(outcome.lines[6], "星宿:奎");
}

TEST(FengshuiReport, AgeLifeTrigramAndMessages) {
  PanelInput input;
  input.year = "2023";
  input.month = "12";
  input.day = "20";
  EXPECT_EQ(FengshuiReport(input, {2024, 1, 2}, kXuankong).lines[1], "年龄：1岁");

  input.year = "1980";
  input.month = "6";
  input.day = "15";
  const auto west = FengshuiReport(input, {2024, 1, 2}, kFullReading);
  ASSERT_EQ(west.kind, ReportOutcome::Kind::Report) << west.message;
  EXPECT_EQ(west.lines[16], "命主福元属坤卦，属于西四命，宜住乾宅、坤宅、艮宅、兑宅。");

  input.day = "31";
  const auto refused = FengshuiReport(input, {2024, 1, 2}, kFullReading);
  EXPECT_EQ(refused.kind, ReportOutcome::Kind::Error);
  EXPECT_EQ(refused.message, "日期无效：1980-6-31");
  EXPECT_TRUE(refused.lines.empty());

  // The panel is read as for the 八字简析 report: missing entries are asked
  // for, and lunar dates the table cannot convert (all of 1900) are refused.
  input.year = " ";
  EXPECT_EQ(FengshuiReport(input, {2024, 1, 2}, kXuankong).message, "请选择出生年!");
  EXPECT_EQ(FengshuiReport(input, {2024, 1, 2}, kXuankong).kind, ReportOutcome::Kind::Info);
  input.year = "1900";
  input.day = "1";
  input.dateKind = 1;
  EXPECT_EQ(FengshuiReport(input, {2024, 1, 2}, kXuankong).kind, ReportOutcome::Kind::Error);
}

}  // namespace
}  // namespace qk::fengshui
