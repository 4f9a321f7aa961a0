#include "bazi/bazi_chart.h"

#include <gtest/gtest.h>

#include "bazi/chart_rules.h"
#include "reference_fixture.h"

namespace qk::bazi {
namespace {

std::string Pillars(const BaziChart& chart) {
  return chart.yearPillar.Text() + " " + chart.monthPillar.Text() + " " + chart.dayPillar.Text() + " " +
         chart.hourPillar.Text();
}

BaziChart Chart(int year, int month, int day, int hour, int minute, std::string_view sex = "男") {
  const auto chart = ComputeBaziChart(year, month, day, hour, minute, sex);
  EXPECT_TRUE(chart.has_value());
  return chart.value_or(BaziChart{});
}

// With the exact term moments of the built JQ table.
TEST(BaziChart, MonthAndYearFollowTheExactJieMoments) {
  const struct {
    int y, m, d, h, min;
    const char* pillars;
  } cases[] = {
      // 立春 2021 is at 22:58 on 2021-02-03: a birth after it is 辛丑 寅 month.
      {2021, 2, 3, 23, 30, "辛丑 庚寅 壬午 庚子"},
      {2021, 2, 3, 22, 0, "庚子 己丑 壬午 辛亥"},
      // 立春 1984 is at 23:19 on 1984-02-04: noon that day is still 癸亥 丑 month.
      {1984, 2, 4, 12, 0, "癸亥 乙丑 戊辰 戊午"},
      {1984, 2, 5, 0, 0, "甲子 丙寅 己巳 甲子"},
      // January before 小寒, and after it: both still the previous pillar year.
      {1990, 1, 3, 12, 0, "己巳 丙子 戊辰 戊午"},
      {1990, 1, 20, 12, 0, "己巳 丁丑 乙酉 壬午"},
      {1990, 3, 3, 12, 0, "庚午 戊寅 丁卯 丙午"},
  };
  for (const auto& c : cases) {
    const BaziChart chart = Chart(c.y, c.m, c.d, c.h, c.min);
    EXPECT_EQ(Pillars(chart), c.pillars) << c.y << "-" << c.m << "-" << c.d << " " << c.h << ":" << c.min;
    EXPECT_EQ(chart.jieSource, JieSource::TermTable);
  }
}

TEST(BaziChart, JieDistanceCountsDaysToTheNextExactMoment) {
  // 2021-02-03 21:00, male, pillar year 庚子 (yang): forward, and 立春 comes
  // the same evening, so the luck starts at 1 (the term formula would say 10).
  BaziChart chart = Chart(2021, 2, 3, 21, 0);
  EXPECT_EQ(chart.direction, ChartDirection::Forward);
  EXPECT_EQ(chart.jieDistance, 1);
  EXPECT_EQ(chart.startAge, 1);
  // 清明 1990 is in the morning of 04-05, 立夏 on 05-06: 31 days, start age 11.
  chart = Chart(1990, 4, 5, 12, 0);
  EXPECT_EQ(chart.direction, ChartDirection::Forward);
  EXPECT_EQ(chart.jieDistance, 31);
  EXPECT_EQ(chart.startAge, 11);
  EXPECT_EQ(chart.startAgeText, "11");
  // Backward: 1984-02-04 noon, male 癸亥, back to 小寒 on 01-06: 29 days.
  chart = Chart(1984, 2, 4, 12, 0);
  EXPECT_EQ(chart.direction, ChartDirection::Backward);
  EXPECT_EQ(chart.jieDistance, 29);
  EXPECT_EQ(chart.startAge, 10);
}

TEST(BaziChart, ChartFields) {
  const BaziChart chart = Chart(1984, 2, 5, 0, 0, "男");
  EXPECT_EQ(chart.characters[0] + chart.characters[1] + chart.characters[2] + chart.characters[3], "甲子丙寅");
  EXPECT_EQ(chart.fetalOriginText, "丁巳 ");
  EXPECT_EQ(chart.luckPillarLine, "丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥");
  // Day stem 己.
  EXPECT_EQ(chart.luckNayinLine, "纳音：炉中火 炉中火 大林木 大林木 路旁土 路旁土 剑锋金 剑锋金 山头火 山头火 ");
  EXPECT_EQ(chart.luckTenGodLine,
            "十神：正印   偏印   劫财   比肩   伤官   食神   正财   偏财   正官   七杀   ");
  EXPECT_EQ(chart.hiddenStems[1], "甲丙戊");  // Gregorian February
  EXPECT_EQ(chart.hiddenStems[3], "癸");      // 子 hour
}

TEST(BaziChart, DirectionBySexAndYearStem) {
  // 1984 甲子 (yang), 1985 乙丑 (yin); any sex text but 男 counts as female.
  const struct {
    int year;
    const char* sex;
    ChartDirection direction;
  } cases[] = {{1984, "男", ChartDirection::Forward},  {1985, "男", ChartDirection::Backward},
               {1984, "女", ChartDirection::Backward}, {1985, "女", ChartDirection::Forward},
               {1984, "", ChartDirection::Backward},   {1984, "男 ", ChartDirection::Backward}};
  for (const auto& c : cases) EXPECT_EQ(Chart(c.year, 6, 1, 12, 0, c.sex).direction, c.direction) << c.year << c.sex;
}

TEST(BaziChart, YearHiddenStemsTakeTheLunarYearOfTheNextJie) {
  // 1990-01-20: the next jie, 立春 on 02-04, lies in lunar year 1990 (午).
  EXPECT_EQ(Chart(1990, 1, 20, 12, 0).hiddenStems[0], "己丁");
  // 1990-03-03: month stems by the Gregorian month (3 → 卯), not the 寅 month.
  EXPECT_EQ(Chart(1990, 3, 3, 12, 0).hiddenStems[1], "乙");
}

TEST(BaziChart, RejectsImpossibleInput) {
  const struct {
    int y, m, d, h, min;
  } bad[] = {{1900, 2, 29, 0, 0}, {2023, 4, 31, 0, 0}, {2023, 13, 1, 0, 0}, {2023, 1, 0, 0, 0},
             {2023, 1, 1, 24, 0}, {2023, 1, 1, -1, 0}, {2023, 1, 1, 0, 60}};
  for (const auto& c : bad)
    EXPECT_FALSE(ComputeBaziChart(c.y, c.m, c.d, c.h, c.min, "男")) << c.y << "-" << c.m << "-" << c.d;
  EXPECT_TRUE(ComputeBaziChart(2000, 2, 29, 0, 0, "男"));
}

TEST(ChartRules, DayAndHourPillars) {
  EXPECT_EQ(DayPillarNumber(1900, 2, 20), 0);   // 甲子
  EXPECT_EQ(DayPillarNumber(2000, 1, 1), 54);   // 戊午
  EXPECT_EQ(DayPillarNumber(2000, 12, 31), 59); // 2000 is a leap year: 366 days on
  const int branches[24] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 0};
  for (int hour = 0; hour < 24; ++hour) EXPECT_EQ(HourBranch(hour), branches[hour]) << hour;
}

TEST(ChartRules, FixedRangesAndStartAge) {
  const struct {
    int monthDay, branch;
  } ranges[] = {{101, 0}, {105, 0}, {106, 1}, {203, 1}, {204, 2}, {305, 2}, {306, 3},  {404, 3},
                {405, 4}, {606, 6}, {907, 8}, {908, 9}, {1106, 10}, {1207, 11}, {1208, 0}, {1231, 0}};
  for (const auto& r : ranges) EXPECT_EQ(FixedRangeMonthBranch(r.monthDay), r.branch) << r.monthDay;
  EXPECT_EQ(MonthAndYearByFixedRanges(1984, 2, 4, true), (MonthAndYear{1, 1983}));
  EXPECT_EQ(MonthAndYearByFixedRanges(1984, 2, 4, false), (MonthAndYear{2, 1984}));
  // Three days make a year; 31 and 32 days give 11, not 1.
  const int ages[][2] = {{1, 1}, {3, 1}, {4, 2}, {28, 10}, {30, 10}, {31, 11}, {32, 11}};
  for (const auto& a : ages) EXPECT_EQ(StartAge(a[0]), a[1]) << a[0];
}

TEST(ChartRules, TermFormulaSearchSkipsTheBirthDate) {
  // 2024-02-04 is 立春 by the formula: forward goes on to 惊蛰, a month away.
  const JieDistance forward = JieDistanceByTermFormula(Ymd{2024, 2, 4}, ChartDirection::Forward);
  EXPECT_EQ(forward.jieDate, (Ymd{2024, 3, 5}));
  EXPECT_EQ(forward.days, 30);
  const JieDistance backward = JieDistanceByTermFormula(Ymd{2024, 2, 5}, ChartDirection::Backward);
  EXPECT_EQ(backward.days, 1);
}

// The chart's own examples that assume no JQ row for the day.
class ChartWithoutTermTable : public test::ReferenceCopyFixture {
 protected:
  void SetUp() override {
    ReferenceCopyFixture::SetUp();
    EmptyTermTable();
  }
};

TEST_F(ChartWithoutTermTable, FixedBoundaryDates) {
  const struct {
    int y, m, d, h, min;
    const char* pillars;
  } cases[] = {
      {1984, 2, 4, 12, 0, "甲子 丙寅 戊辰 戊午"},
      {1984, 2, 3, 23, 30, "癸亥 乙丑 丁卯 庚子"},  // the day pillar stays that of 02-03
      {1984, 12, 7, 12, 0, "甲子 乙亥 乙亥 壬午"},
      {1984, 12, 8, 12, 0, "甲子 丙子 丙子 甲午"},
      {1990, 1, 20, 12, 0, "己巳 丁丑 乙酉 壬午"},
  };
  for (const auto& c : cases) {
    const BaziChart chart = Chart(c.y, c.m, c.d, c.h, c.min);
    EXPECT_EQ(Pillars(chart), c.pillars) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(chart.jieSource, JieSource::FixedRanges);
  }
  EXPECT_EQ(Chart(1990, 1, 20, 12, 0).hiddenStems[0], "己丁");
  // 立春 2021 by the formula is on 02-03: forward from 02-03 21:00 runs to 惊蛰.
  EXPECT_EQ(Chart(2021, 2, 3, 21, 0).startAge, 10);
}

TEST_F(ChartWithoutTermTable, OneRowMovesABirthBeforeItsMomentBack) {
  Exec("Tgcode.dll", "insert into JQ values ('立春', '1984-02-04 23:19:00', 1984);");
  const BaziChart before = Chart(1984, 2, 4, 10, 0);
  EXPECT_TRUE(before.bornBeforeJieMoment);
  EXPECT_EQ(Pillars(before).substr(0, 13), "癸亥 乙丑");
  const BaziChart after = Chart(1984, 2, 4, 23, 30);
  EXPECT_FALSE(after.bornBeforeJieMoment);
  EXPECT_EQ(Pillars(after).substr(0, 13), "甲子 丙寅");
}

TEST_F(ChartWithoutTermTable, MissingFileStillGivesAChartWithBlankLookUps) {
  RemoveFile("Tgcode.dll");
  const BaziChart chart = Chart(1984, 2, 4, 12, 0);
  EXPECT_EQ(chart.yearPillar.Text(), "甲子");
  EXPECT_EQ(chart.luckNayinLine, "纳音：          ");
  EXPECT_EQ(chart.luckTenGodLine, "十神：" + std::string(30, ' '));
}

}  // namespace
}  // namespace qk::bazi
