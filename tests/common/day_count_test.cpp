#include "common/day_count.h"

#include <gtest/gtest.h>

namespace qk {
namespace {

TEST(DayCount, KnownDayNumbers) {
  EXPECT_EQ(DayNumber(1899, 12, 30), 0);
  EXPECT_EQ(DayNumber(1900, 1, 1), 2);
  EXPECT_EQ(DayNumber(1900, 3, 1), 61);  // 1900 is no leap year
  EXPECT_EQ(DayNumber(2000, 1, 1), 36526);
  EXPECT_EQ(DayNumber(2100, 12, 31), 73415);
  EXPECT_EQ(DayNumber(1899, 12, 29), -1);
}

TEST(DayCount, RoundTripAndWeekdayOverTwoCenturies) {
  int expectedWeekday = Weekday(DayNumber(1900, 1, 1));
  EXPECT_EQ(expectedWeekday, 1);  // 1900-01-01 was a Monday
  for (int n = DayNumber(1900, 1, 1); n <= DayNumber(2100, 12, 31); ++n) {
    const Ymd d = YmdFromDayNumber(n);
    ASSERT_EQ(DayNumber(d), n);
    ASSERT_TRUE(IsValidYmd(d.year, d.month, d.day));
    ASSERT_EQ(Weekday(n), expectedWeekday);
    expectedWeekday = (expectedWeekday + 1) % 7;
  }
}

TEST(DayCount, DayOfYearAndWholeDay) {
  EXPECT_EQ(DayOfYear({2024, 12, 31}), 366);
  EXPECT_EQ(DayOfYear({2023, 3, 1}), 60);
  EXPECT_EQ(YmdOf(MakeDateTime(1984, 2, 4, 23, 59)), (Ymd{1984, 2, 4}));
  EXPECT_EQ(WholeDay(-0.25), -1);  // floor, not truncation
}

TEST(ParseYmd, AcceptsOnlyRealDatesInStrictForm) {
  struct Case {
    const char* text;
    bool ok;
    Ymd date;
  };
  const Case cases[] = {
      {"1980-1-1", true, {1980, 1, 1}},   {"1980-01-01", true, {1980, 1, 1}}, {"2000-2-29", true, {2000, 2, 29}},
      {"1981-2-29", false, {}},           {"2023-13-1", false, {}},           {"abc", false, {}},
      {"", false, {}},                    {"1980-1", false, {}},              {"1980-1-1-1", false, {}},
      {" 1980-1-1", false, {}},           {"1980-+1-1", false, {}},           {"1980-001-1", false, {}},
      {"1900-2-29", false, {}},           {"1980-1-0", false, {}},            {"１９８０-1-1", false, {}},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseYmd(c.text);
    EXPECT_EQ(parsed.has_value(), c.ok) << c.text;
    if (c.ok && parsed) {
      EXPECT_EQ(*parsed, c.date) << c.text;
    }
  }
}

TEST(FormatYmd, PadsToIsoForm) { EXPECT_EQ(FormatYmd({2012, 3, 5}), "2012-03-05"); }

}  // namespace
}  // namespace qk
