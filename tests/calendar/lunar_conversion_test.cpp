#include "calendar/lunar_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "calendar/lunar_year_table.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

int Day(int y, int m, int d) { return DayNumber(y, m, d); }

TEST(LunarYearTable, DerivedLengthsOfSampleYears) {
  // 1900: 4BD8, leap 8 of 29 days since 1901's nibble is 0.
  const int months1900[] = {29, 30, 29, 29, 30, 29, 30, 30, 30, 30, 29, 30};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(LunarMonthLength(1900, m), months1900[m - 1]) << m;
  EXPECT_EQ(LeapMonthOf(1900), 8);
  EXPECT_EQ(LeapMonthLength(1900), 29);
  // 1906 has a 30-day leap 4th month, flagged by 1907's 0xF nibble.
  EXPECT_EQ(LeapMonthOf(1906), 4);
  EXPECT_EQ(LeapMonthLength(1906), 30);
  EXPECT_EQ(LeapMonthOf(1907), 0);
  EXPECT_EQ(LeapMonthLength(1907), 0);
  EXPECT_EQ(LeapMonthOf(2100), 0);
  // A month below 2 reads month 1's bit.
  EXPECT_EQ(LunarMonthLength(1901, 0), LunarMonthLength(1901, 1));
  EXPECT_EQ(LunarMonthLength(1901, -7), LunarMonthLength(1901, 1));
}

TEST(LunarYearTable, WholeTableShape) {
  int flagWords = 0, shortest = 1000, longest = 0;
  for (int y = kLunarTableFirstYear; y <= kLunarTableLastYear; ++y) {
    if ((LunarYearWord(y) & 0xF) == 0xF) {
      ++flagWords;
      // The flag only ever follows a leap year, which is what frees the nibble.
      EXPECT_GT(LeapMonthOf(y - 1), 0) << y;
    }
    shortest = std::min(shortest, LunarYearLength(y));
    longest = std::max(longest, LunarYearLength(y));
  }
  EXPECT_EQ(flagWords, 20);
  EXPECT_EQ(shortest, 353);
  EXPECT_EQ(longest, 385);
}

struct SolarCase {
  Ymd solar;
  LunarDate lunar;
};

TEST(SolarToLunar, EdgeDates) {
  const SolarCase cases[] = {
      {{1900, 1, 30}, kNoLunarDate},
      {{1900, 1, 31}, {1900, 1, 1, false}},
      {{1901, 2, 18}, {1900, 12, 30, false}},
      {{1901, 2, 19}, {1901, 1, 1, false}},
      {{2000, 2, 4}, {1999, 12, 29, false}},
      {{2000, 2, 5}, {2000, 1, 1, false}},
      {{2023, 3, 21}, {2023, 2, 30, false}},
      {{2023, 3, 22}, {2023, 2, 1, true}},
      {{2023, 4, 19}, {2023, 2, 29, true}},
      {{2023, 4, 20}, {2023, 3, 1, false}},
      {{1906, 5, 23}, {1906, 4, 1, true}},
      {{1906, 6, 21}, {1906, 4, 30, true}},
      {{1906, 6, 22}, {1906, 5, 1, false}},
      {{2033, 12, 22}, {2033, 11, 1, true}},
      {{2034, 1, 19}, {2033, 11, 29, true}},
      {{2034, 1, 20}, {2033, 12, 1, false}},
      {{2100, 12, 31}, {2100, 12, 1, false}},
      {{2101, 1, 1}, kNoLunarDate},
  };
  for (const auto& c : cases) EXPECT_EQ(SolarToLunar(DayNumber(c.solar)), c.lunar) << FormatYmd(c.solar);
}

TEST(SolarToLunar, IgnoresTimeOfDayAndRejectsNonNumbers) {
  EXPECT_EQ(SolarToLunar(MakeDateTime(2000, 2, 5, 23, 59)), (LunarDate{2000, 1, 1, false}));
  EXPECT_EQ(SolarToLunar(31.999), kNoLunarDate);
  EXPECT_EQ(SolarToLunar(std::nan("")), kNoLunarDate);
  EXPECT_EQ(SolarToLunar(std::numeric_limits<double>::infinity()), kNoLunarDate);
  EXPECT_EQ(SolarToLunar(-std::numeric_limits<double>::infinity()), kNoLunarDate);
}

struct LunarCase {
  LunarDate lunar;
  Ymd solar;
};

TEST(LunarToSolar, ExamplesAndInvalidDates) {
  const LunarCase cases[] = {
      {{1984, 1, 1, false}, {1984, 2, 2}},
      {{2023, 2, 10, false}, {2023, 3, 1}},
      {{2023, 2, 10, true}, {2023, 3, 31}},
      {{2023, 2, 29, true}, {2023, 4, 19}},
      {{2023, 2, 30, true}, {1, 1, 1}},  // the leap 2nd month has 29 days
      {{2023, 3, 1, true}, {1, 1, 1}},   // 2023's leap month is the 2nd
      {{2099, 12, 30, false}, {2100, 2, 8}},
      {{1901, 1, 1, false}, {1901, 2, 19}},
      {{1900, 1, 1, false}, {1, 1, 1}},
      {{2100, 1, 1, false}, {1, 1, 1}},
      {{2023, 13, 1, false}, {1, 1, 1}},
      {{2023, 1, 31, false}, {1, 1, 1}},
      {{2023, 1, 30, false}, {1, 1, 1}},  // 正月 of 2023 has 29 days
      // Month 0 or day 0 name no date (they would land in a neighbouring month).
      {{2023, 0, 1, false}, {1, 1, 1}},
      {{2023, 1, 0, false}, {1, 1, 1}},
      {{2023, -3, 5, false}, {1, 1, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LunarToSolar(c.lunar), DayNumber(c.solar))
        << c.lunar.year << "-" << c.lunar.month << "-" << c.lunar.day << (c.lunar.isLeap ? " leap" : "");
  }
  EXPECT_EQ(kInvalidSolarDay, DayNumber(1, 1, 1));
  EXPECT_EQ(SolarToLunar(kInvalidSolarDay), kNoLunarDate);
}

// The conversion as a plain year-by-year and month-by-month walk over the
// table, to check the precomputed year starts against.
LunarDate WalkSolarToLunar(int x) {
  if (x < 32 || x >= 73416) return {};
  int offset = x - 32, year = 1900, length = 0;
  while (offset > 0) {
    length = LunarYearLength(year++);
    offset -= length;
  }
  if (offset < 0) {
    offset += length;
    --year;
  }
  const int leap = LeapMonthOf(year);
  bool isLeap = false;
  int month = 0;
  while (offset >= 0) {
    length = LunarMonthLength(year, ++month);
    offset -= length;
    if (offset >= 0 && month == leap) {
      length = LeapMonthLength(year);
      offset -= length;
      if (offset < 0) isLeap = true;
    }
  }
  return {year, month, offset + length + 1, isLeap};
}

TEST(SolarToLunar, AgreesWithThePlainWalkOnEveryDay) {
  for (int x = 0; x <= 73420; ++x) ASSERT_EQ(SolarToLunar(x), WalkSolarToLunar(x)) << FormatYmd(YmdFromDayNumber(x));
}

TEST(LunarToSolar, RoundTripOverLunarYears1901To2099) {
  const int first = Day(1901, 2, 19), last = Day(2100, 2, 8);
  EXPECT_EQ(SolarToLunar(first - 1).year, 1900);
  EXPECT_EQ(SolarToLunar(last + 1).year, 2100);
  for (int x = first; x <= last; ++x) {
    const LunarDate lunar = SolarToLunar(x);
    ASSERT_TRUE(IsValidLunarDate(lunar)) << x;
    ASSERT_EQ(LunarToSolar(lunar), x) << FormatYmd(YmdFromDayNumber(x));
  }
}

TEST(LunarConversion, AnyIntInputIsSafe) {
  const int big[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::min() + 1, -1, 0, 1,
                     std::numeric_limits<int>::max() - 1, std::numeric_limits<int>::max()};
  for (int y : big)
    for (int m : big)
      for (int d : big)
        for (bool leap : {false, true}) EXPECT_EQ(LunarToSolar({y, m, d, leap}), kInvalidSolarDay);
  for (int y = -10000; y <= 10000; y += 7) {
    for (int m = -1; m <= 14; ++m) {
      EXPECT_GE(LunarMonthLength(y, m), 0);
      for (int d = -1; d <= 32; d += 11) {
        const int solar = LunarToSolar({y, m, d, m % 2 == 0});
        if (solar != kInvalidSolarDay) {
          EXPECT_EQ(SolarToLunar(solar), (LunarDate{y, m, d, m % 2 == 0}));
        }
      }
    }
    EXPECT_GE(LunarYearLength(y), 0);
    EXPECT_GE(LeapMonthLength(y), 0);
  }
  for (int x : big) EXPECT_EQ(SolarToLunar(x), kNoLunarDate);
}

}  // namespace
}  // namespace qk::calendar
