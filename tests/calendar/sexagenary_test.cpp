#include "calendar/sexagenary.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/sexagenary_tables.h"
#include "common/gbk.h"

namespace qk::calendar {
namespace {

TEST(LunarYearText, CycleFrom1864) {
  EXPECT_EQ(LunarYearText(1984 - 1864), "甲子(鼠年)");
  EXPECT_EQ(LunarYearText(2024 - 1864), "甲辰(龙年)");
  EXPECT_EQ(LunarYearText(1900 - 1864), "庚子(鼠年)");
  EXPECT_EQ(LunarYearText(1980 - 1864), "庚申(猴年)");
  EXPECT_EQ(LunarYearText(2023 - 1864), "癸卯(兔年)");
  // Below 0 the cycle runs on backwards: 1863 was 癸亥.
  EXPECT_EQ(LunarYearText(-1), "癸亥(猪年)");
  EXPECT_EQ(LunarYearText(-60), "甲子(鼠年)");
  EXPECT_FALSE(LunarYearText(std::numeric_limits<int>::min()).empty());
}

TEST(LunarYearText, AnimalSitsAtGbkBytesSixAndSeven) {
  for (int k = 0; k < 12; ++k) {
    const std::string text = LunarYearText(k);
    const auto gbk = Utf8ToGbk(text);
    ASSERT_TRUE(gbk);
    EXPECT_EQ(gbk->size(), 10u);
    EXPECT_EQ(GbkSubstring(text, 6, 2), ZodiacAnimals[static_cast<std::size_t>(k)]) << text;
  }
}

TEST(LunarMonthName, ShapesInAndOutOfRange) {
  const struct {
    int month;
    bool leap;
    const char* name;
  } cases[] = {{1, false, "一月"},  {4, true, "闰四月"},     {10, false, "十月"}, {11, true, "闰十一月"},
               {12, false, "十二月"}, {0, false, "月"}, {13, true, "闰月"}, {-5, false, "月"}};
  for (const auto& c : cases) EXPECT_EQ(LunarMonthName(c.month, c.leap), c.name) << c.month;
}

TEST(LunarDayName, AllDaysAndOutOfRange) {
  const char* names[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                         "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                         "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int d = 1; d <= 30; ++d) EXPECT_EQ(LunarDayName(d), names[d - 1]) << d;
  for (int d : {0, 31, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
    EXPECT_EQ(LunarDayName(d), "") << d;
}

TEST(LunarDateText, ReportForm) {
  EXPECT_EQ(LunarDateText({2023, 2, 1, true}), "癸卯(兔年)闰二月初一");
  EXPECT_EQ(LunarDateText({1900, 1, 1, false}), "庚子(鼠年)一月初一");
}

}  // namespace
}  // namespace qk::calendar
