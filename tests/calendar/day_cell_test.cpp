#include "calendar/day_cell.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/calendar_names.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

int Day(int y, int m, int d) { return DayNumber(y, m, d); }

TEST(DayCell, TextAndColourByPrecedence) {
  const struct {
    Ymd date;
    DayCell cell;
  } cases[] = {
      {{2024, 2, 11}, {"初二", "#004000"}},   // lunar day
      {{2023, 2, 20}, {"二月", "#FF0000"}},   // 二月初一: month name in red
      {{2023, 3, 22}, {"闰二", "#FF0000"}},   // first day of a leap month, without 月
      {{2024, 2, 14}, {"情人节", "#FF8000"}},  // also 正月初五, no lunar festival
      {{2024, 2, 4}, {"立春", "#5353FF"}},
      {{2024, 2, 10}, {"春节", "#FF8000"}},   // lunar festival over the month name
      {{2024, 2, 9}, {"除夕", "#FF8000"}},
      // A solar term wins over a Gregorian festival ...
      {{2023, 11, 8}, {"立冬", "#5353FF"}},
      {{2020, 6, 21}, {"夏至", "#5353FF"}},
      // ... and a lunar festival over a solar term (2015-02-19: 春节 and 雨水).
      {{2015, 2, 19}, {"春节", "#FF8000"}},
      // A Gregorian festival over the month name on 初一 (2016-10-01 is 九月初一).
      {{2016, 10, 1}, {"国庆节", "#FF8000"}},
      // Outside the calendar's tables only Gregorian festivals remain.
      {{2051, 3, 3}, {"", "#004000"}},
      {{2051, 1, 1}, {"元旦节", "#FF8000"}},
  };
  for (const auto& c : cases) EXPECT_EQ(DayCellOf(DayNumber(c.date)), c.cell) << FormatYmd(c.date);
}

TEST(DayCell, PrecedenceFixturesCarryTwoLabels) {
  EXPECT_EQ(WindowSolarFestival(8, Day(2023, 11, 8)), "记者日");
  EXPECT_EQ(WindowSolarFestival(21, Day(2020, 6, 21)), "父亲节");
  EXPECT_EQ(WindowSolarTermName(Day(2015, 2, 19)), "雨水");
  EXPECT_EQ(WindowDayName(Day(2016, 10, 1)), "初一");
}

TEST(MonthPage, GridPlacementAndSelection) {
  const MonthPage august = MonthPageOf(2020, 8, 15);
  EXPECT_EQ(august.firstCell, 7);  // a Saturday: cells 7-37, the last of the grid
  EXPECT_EQ(august.firstCell + static_cast<int>(august.days.size()) - 1, 37);

  const MonthPage february = MonthPageOf(2023, 2, 20);
  EXPECT_EQ(february.firstCell, 4);
  EXPECT_EQ(february.days.size(), 28u);
  EXPECT_EQ(february.days[19], (DayCell{"二月", "#FF0000"}));
  EXPECT_EQ(february.zodiac, "卯兔");
  EXPECT_EQ(february.starSign, "双鱼座");

  // 31 January carried into February selects the last day of February.
  const MonthPage leapFebruary = MonthPageOf(2024, 2, 31);
  EXPECT_EQ(leapFebruary.selectedDay, 29);
  EXPECT_EQ(leapFebruary.starSign, "双鱼座");
  EXPECT_EQ(MonthPageOf(2024, 3, 31).selectedDay, 31);
  EXPECT_EQ(MonthPageOf(2024, 3, 31).starSign, "白羊座");

  // The zodiac follows the selected day across 正月初一.
  EXPECT_EQ(MonthPageOf(2024, 2, 9).zodiac, "卯兔");
  EXPECT_EQ(MonthPageOf(2024, 2, 10).zodiac, "辰龙");
}

TEST(MonthPage, OutOfRangeGivesAnEmptyPage) {
  for (const auto& [y, m] : {std::pair{0, 1}, std::pair{10000, 1}, std::pair{2024, 0}, std::pair{2024, 13},
                             std::pair{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}}) {
    const MonthPage page = MonthPageOf(y, m, 1);
    EXPECT_EQ(page.year, 0);
    EXPECT_TRUE(page.days.empty());
  }
  for (int d : {std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max()})
    EXPECT_EQ(MonthPageOf(2024, 2, d).days.size(), 29u);
}

}  // namespace
}  // namespace qk::calendar
