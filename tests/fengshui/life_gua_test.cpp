#include <gtest/gtest.h>

#include <string>

#include "fengshui/life_gua.h"
#include "fengshui/trigrams.h"

namespace qk::fengshui {
namespace {

struct MingGuaCase {
  int year;
  bool female;
  std::string_view expected;
};

TEST(GetMingGua, TruncatingRemainderAndYearRules) {
  const MingGuaCase cases[] = {
      {1980, false, "坤"}, {1980, true, "巽"}, {1977, false, "坤"},  // n = 5 男
      {1954, true, "艮"},                                             // n = 5 女
      {1999, false, "坎"}, {1999, true, "艮"},
      {2000, false, "离"}, {2000, true, "震"},  // |(-4) + 1| = 3, not 乾
      {2005, false, "巽"}, {2005, true, "坤"},
      // Negative remainders keep their sign until the absolute value.
      {1900, true, "巽"}, {1901, true, "震"}, {1902, true, "坤"}, {1903, true, "坎"},
      {2001, true, "坤"}, {2002, true, "坎"}, {2003, true, "离"},
      // (100 - YY) a multiple of 9 after 2000: |0 - 1| = 1.
      {2001, false, "坎"}, {2010, false, "坎"}, {2019, false, "坎"}, {2028, false, "坎"}, {2091, false, "坎"},
      // No characters 3-4: n = 1.
      {0, false, "坎"}, {0, true, "坎"}, {7, true, "坎"}, {99, false, "坎"}, {-5, true, "坎"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetMingGua(c.year, c.female), c.expected) << c.year << (c.female ? " 女" : " 男");
}

TEST(GetMingGua, EveryYearGivesATrigram) {
  for (int year = -10000; year <= 10000; ++year)
    for (bool female : {false, true}) ASSERT_GE(DoorIndex(GetMingGua(year, female)), 0) << year;
}

}  // namespace
}  // namespace qk::fengshui
