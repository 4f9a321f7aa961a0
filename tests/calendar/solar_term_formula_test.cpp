#include "calendar/solar_term_formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/day_count.h"

namespace qk::calendar {
namespace {

long long MillisOf(DateTime t) { return std::llround(t * 86400000.0); }

TEST(SolarTermMoment, KnownMoments) {
  EXPECT_EQ(MillisOf(SolarTermMoment(1900, 0)), MillisOf(MakeDateTime(1900, 1, 6, 2, 5)));
  const DateTime lichun2024 = SolarTermMoment(2024, 2);
  EXPECT_EQ(YmdOf(lichun2024), (Ymd{2024, 2, 4}));
  EXPECT_NEAR(lichun2024 - DayNumber(2024, 2, 4), (14 * 60 + 39) / 1440.0, 1.0 / 1440);
  EXPECT_EQ(YmdOf(SolarTermMoment(2024, 23)), (Ymd{2024, 12, 21}));
  // Term 24 is the next year's 小寒, term -1 the year before's 冬至.
  EXPECT_EQ(SolarTermMoment(2024, 24), SolarTermMoment(2025, 0));
  EXPECT_EQ(SolarTermMoment(2024, -1), SolarTermMoment(2023, 23));
}

TEST(SolarTermMoment, HalfMillisecondTiesRoundToEven) {
  // 15 years of 31556925974.7 ms land on ...620.5 ms: even stays below.
  const long long base = MillisOf(MakeDateTime(1900, 1, 6, 2, 5));
  EXPECT_EQ(MillisOf(SolarTermMoment(1915, 0)) - base, 473353889620LL);
  // 5 years land on ...873.5: even is above.
  EXPECT_EQ(MillisOf(SolarTermMoment(1905, 0)) - base, 157784629874LL);
}

TEST(SolarTermOn, NamesTheTermOfTheDay) {
  const struct {
    Ymd date;
    const char* name;
  } cases[] = {{{2024, 2, 4}, "立春"}, {{2024, 2, 5}, ""},     {{2024, 2, 19}, "雨水"},
               {{2024, 1, 6}, "小寒"}, {{2024, 12, 6}, "大雪"}, {{2024, 12, 21}, "冬至"},
               {{1904, 10, 9}, "寒露"}, {{1904, 10, 8}, ""}};
  for (const auto& c : cases) EXPECT_EQ(SolarTermOn(DayNumber(c.date)), c.name) << FormatYmd(c.date);
  EXPECT_EQ(SolarTermOn(MakeDateTime(2024, 2, 4, 12)), "");
  EXPECT_EQ(SolarTermOn(std::nan("")), "");
  EXPECT_EQ(SolarTermOn(std::numeric_limits<double>::max()), "");
}

TEST(SolarTermMoment, MonthOpeningTermsAtMost32DaysApart) {
  int previous = SolarTermDay(1900, 0);
  for (int year = 1900; year <= 2100; ++year) {
    for (int n = year == 1900 ? 2 : 0; n < 24; n += 2) {
      const int day = SolarTermDay(year, n);
      ASSERT_GT(day - previous, 27) << year << " " << n;
      ASSERT_LE(day - previous, 32) << year << " " << n;
      previous = day;
    }
  }
}

TEST(SolarTermMoment, AnyYearIsSafe) {
  for (int year : {std::numeric_limits<int>::min(), -10000, 0, 10000, std::numeric_limits<int>::max()}) {
    for (int n : {std::numeric_limits<int>::min(), -1, 0, 23, std::numeric_limits<int>::max()}) {
      EXPECT_TRUE(std::isfinite(SolarTermMoment(year, n)));
      (void)SolarTermDay(year, n);
    }
  }
  EXPECT_EQ(SolarTermDay(std::numeric_limits<int>::max(), 0), std::numeric_limits<int>::max());
  EXPECT_EQ(SolarTermDay(std::numeric_limits<int>::min(), 0), std::numeric_limits<int>::min());
  for (int year = -10000; year <= 10000; year += 37)
    for (int month = 1; month <= 12; ++month) {
      const int day = SolarTermDay(year, 2 * month - 2);
      EXPECT_EQ(YmdFromDayNumber(day).month, month) << year;
      EXPECT_FALSE(SolarTermOn(day).empty());
    }
}

}  // namespace
}  // namespace qk::calendar
