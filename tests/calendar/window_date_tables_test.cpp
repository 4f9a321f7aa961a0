#include "calendar/window_date_tables.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "calendar/lunar_conversion.h"
#include "calendar/solar_term_formula.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

int Day(int y, int m, int d) { return DayNumber(y, m, d); }

TEST(WindowLunarDay, KnownValues) {
  const struct {
    Ymd date;
    int value;
  } cases[] = {
      {{1901, 1, 1}, 1111},   {{1901, 1, 19}, 1129},  {{1901, 1, 20}, 1201},  {{2000, 1, 1}, 1125},
      {{2050, 12, 31}, 1118}, {{1900, 12, 31}, 0},    {{2051, 1, 1}, 0},
      // The leap 11th month of 2033 still runs on 1 January 2034.
      {{2034, 1, 1}, -1111},  {{2034, 1, 19}, -1129}, {{2034, 1, 20}, 1201},  {{2033, 12, 31}, -1110},
      {{2023, 3, 22}, -201},  {{2023, 4, 20}, 301},   {{2024, 2, 9}, 1230},   {{2024, 2, 10}, 101},
      // Where the window table departs from LunarYearTable.
      {{1906, 4, 23}, 330},   {{1906, 5, 23}, -401},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowLunarDay(DayNumber(c.date)), c.value) << FormatYmd(c.date);
}

TEST(WindowDayOfYear, GregorianLeapRule) {
  EXPECT_EQ(WindowDayOfYear(Day(2024, 1, 1)), 1);
  EXPECT_EQ(WindowDayOfYear(Day(2024, 12, 31)), 366);
  EXPECT_EQ(WindowDayOfYear(Day(1900, 12, 31)), 365);
  EXPECT_EQ(WindowDayOfYear(Day(2000, 3, 1)), 61);
}

int Packed(const LunarDate& d) { return (d.isLeap ? -1 : 1) * (d.month * 100 + d.day); }

// The two lunar tables put one month boundary a day apart in four places,
// so they disagree on exactly four runs of 30 days, and nowhere else.
TEST(WindowLunarDay, DiffersFromLunarYearTableOnFourThirtyDayRuns) {
  std::vector<std::pair<int, int>> runs;  // first day, length
  for (int x = Day(1901, 1, 1); x <= Day(2050, 12, 31); ++x) {
    if (WindowLunarDay(x) == Packed(SolarToLunar(x))) continue;
    if (!runs.empty() && runs.back().first + runs.back().second == x)
      ++runs.back().second;
    else
      runs.push_back({x, 1});
  }
  const std::vector<std::pair<int, int>> expected{
      {Day(1906, 4, 23), 30}, {Day(1914, 11, 17), 30}, {Day(1989, 8, 1), 30}, {Day(2013, 6, 8), 30}};
  EXPECT_EQ(runs, expected);
}

TEST(WindowSolarTermIndex, TermDaysOf2024) {
  const struct {
    int month, firstDay, secondDay;
  } months[] = {{1, 6, 20}, {2, 4, 19}, {12, 6, 21}};  // 小寒 大寒, 立春 雨水, 大雪 冬至
  for (const auto& m : months) {
    for (int d = 1; d <= DaysInMonth(2024, m.month); ++d) {
      const int expected = d == m.firstDay ? 2 * m.month - 1 : d == m.secondDay ? 2 * m.month : 0;
      EXPECT_EQ(WindowSolarTermIndex(2024, m.month, d), expected) << m.month << "-" << d;
    }
  }
  EXPECT_EQ(WindowSolarTermIndex(1904, 10, 8), 19);
  EXPECT_EQ(WindowSolarTermIndex(1900, 1, 6), 0);
  EXPECT_EQ(WindowSolarTermIndex(2051, 1, 5), 0);
}

// 138 of the 3600 term days of the window table fall on another day than the
// term formula gives; 1904-10-08 (寒露) is one of them.
TEST(WindowSolarTermIndex, DiffersFromTheFormulaOn138Days) {
  int differing = 0;
  for (int year = kWindowFirstYear; year <= kWindowLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      int found = 0;
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        const int index = WindowSolarTermIndex(year, month, day);
        if (index == 0) continue;
        ++found;
        if (SolarTermDay(year, index - 1) != Day(year, month, day)) ++differing;
      }
      ASSERT_EQ(found, 2) << year << "-" << month;
    }
  }
  EXPECT_EQ(differing, 138);
  EXPECT_EQ(SolarTermDay(1904, 18), Day(1904, 10, 9));
}

TEST(WindowTables, AnyIntInputIsSafe) {
  const int extremes[] = {std::numeric_limits<int>::min(), -10000, -1, 0, 13, 10000, std::numeric_limits<int>::max()};
  for (int x : extremes) {
    if (x < Day(1901, 1, 1) || x > Day(2050, 12, 31)) {
      EXPECT_EQ(WindowLunarDay(x), 0) << x;
    }
    for (int m : extremes)
      for (int d : extremes) EXPECT_EQ(WindowSolarTermIndex(x, m, d), 0);
  }
  for (int y = -10000; y <= 10000; y += 13)
    for (int m = -1; m <= 14; ++m)
      for (int d = -1; d <= 32; d += 3) {
        const int index = WindowSolarTermIndex(y, m, d);
        EXPECT_TRUE(index >= 0 && index <= 24);
      }
  // Every day of the table maps to a real lunar month and day.
  for (int x = Day(1901, 1, 1); x <= Day(2050, 12, 31); ++x) {
    const int v = WindowLunarDay(x);
    const int month = v / 100, day = (v < 0 ? -v : v) % 100;
    ASSERT_TRUE(month != 0 && month >= -12 && month <= 12 && day >= 1 && day <= 30) << x;
  }
}

}  // namespace
}  // namespace qk::calendar
