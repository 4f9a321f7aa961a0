#include "calendar/calendar_names.h"

#include <gtest/gtest.h>

#include <limits>

#include "calendar/window_date_tables.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

int Day(int y, int m, int d) { return DayNumber(y, m, d); }

TEST(WindowNames, MonthAndDayNames) {
  const struct {
    Ymd date;
    const char* month;
    const char* day;
  } cases[] = {
      {{2024, 2, 10}, "正月", "初一"}, {{1901, 1, 1}, "冬月", "十一"},  {{2024, 2, 9}, "腊月", "三十"},
      {{2023, 3, 22}, "闰二", "初一"}, {{1906, 5, 23}, "闰四", "初一"}, {{2034, 1, 1}, "闰冬", "十一"},
      {{2024, 3, 10}, "二月", "初一"}, {{2024, 11, 1}, "十月", "初一"}, {{2024, 12, 1}, "冬月", "初一"},
      // Outside the tables: nothing to show.
      {{1900, 12, 31}, "", ""},        {{2051, 1, 1}, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowMonthName(DayNumber(c.date)), c.month) << FormatYmd(c.date);
    EXPECT_EQ(WindowDayName(DayNumber(c.date)), c.day) << FormatYmd(c.date);
  }
}

TEST(WindowNames, LunarFestivals) {
  const struct {
    Ymd date;
    const char* festival;
  } cases[] = {
      {{2024, 2, 10}, "春节"},  {{2024, 2, 9}, "除夕"},    {{2024, 2, 24}, "元宵节"}, {{2024, 9, 17}, "中秋节"},
      {{2024, 1, 18}, "腊八节"}, {{2024, 6, 10}, "端午节"}, {{2024, 8, 10}, "七夕节"}, {{2024, 10, 11}, "重阳节"},
      {{2024, 2, 14}, ""},      {{2024, 2, 8}, ""},        {{2024, 3, 10}, ""},
      // 腊月 of 29 days: the eve is the 29th (2025-01-29 is 正月初一).
      {{2025, 1, 28}, "除夕"},  {{2025, 1, 27}, ""},
      // 2050-12-31 looks at 2051-01-01, which is outside the table.
      {{2050, 12, 31}, ""},
  };
  EXPECT_EQ(WindowLunarDay(Day(2025, 1, 28)), 1229);
  for (const auto& c : cases) EXPECT_EQ(WindowLunarFestival(DayNumber(c.date)), c.festival) << FormatYmd(c.date);
  // The eve falls on a 29th or 30th, one a year.
  int eves = 0;
  for (int x = Day(1901, 1, 1); x < Day(2050, 12, 31); ++x) {
    if (WindowLunarFestival(x) != "除夕") continue;
    ++eves;
    EXPECT_EQ(WindowLunarFestival(x + 1), "春节") << x;
  }
  EXPECT_EQ(eves, 150);  // lunar years 1901-2050 start inside the table
}

TEST(WindowNames, SolarFestivals) {
  const struct {
    int month, day;
    const char* festival;
  } cases2024[] = {{1, 1, "元旦节"},  {2, 14, "情人节"}, {3, 8, "妇女节"},  {4, 1, "愚人节"},  {5, 1, "劳动节"},
                   {5, 4, "青年节"},  {5, 12, "母亲节"}, {5, 5, ""},        {5, 19, ""},        {6, 1, "儿童节"},
                   {6, 16, "父亲节"}, {6, 9, ""},        {7, 1, "建党节"},  {8, 1, "建军节"},  {9, 10, "教师节"},
                   {10, 1, "国庆节"}, {10, 6, "老人节"}, {10, 31, "万圣节"}, {11, 8, "记者日"}, {11, 28, "感恩节"},
                   {11, 21, ""},      {12, 25, "圣诞节"}, {12, 24, ""}};
  for (const auto& c : cases2024)
    EXPECT_EQ(WindowSolarFestival(c.day, Day(2024, c.month, 1)), c.festival) << c.month << "-" << c.day;
  // The month comes from the date, the day from the first argument.
  EXPECT_EQ(WindowSolarFestival(25, Day(2024, 12, 3)), "圣诞节");
  EXPECT_EQ(WindowSolarFestival(0, Day(2024, 1, 1)), "");
  EXPECT_EQ(WindowSolarFestival(std::numeric_limits<int>::max(), Day(2024, 5, 1)), "");
}

TEST(WindowNames, SolarTermNames) {
  EXPECT_EQ(WindowSolarTermName(Day(2024, 2, 4)), "立春");
  EXPECT_EQ(WindowSolarTermName(Day(2024, 12, 21)), "冬至");
  EXPECT_EQ(WindowSolarTermName(Day(1904, 10, 8)), "寒露");
  EXPECT_EQ(WindowSolarTermName(Day(2024, 2, 5)), "");
}

TEST(WindowNames, ZodiacChangesOnLunarNewYear) {
  const struct {
    Ymd date;
    const char* zodiac;
  } cases[] = {{{1972, 6, 1}, "子鼠"},  {{2024, 2, 9}, "卯兔"},   {{2024, 2, 10}, "辰龙"},
               {{2023, 12, 31}, "卯兔"}, {{2034, 1, 1}, "丑牛"},   {{2034, 2, 19}, "寅虎"},
               {{1960, 1, 1}, "亥猪"},   {{2051, 1, 1}, "未羊"},   {{-500, 3, 1}, "子鼠"}};
  for (const auto& c : cases) EXPECT_EQ(WindowZodiacName(DayNumber(c.date)), c.zodiac) << FormatYmd(c.date);
}

TEST(StarSigns, WindowAndReportColumns) {
  const struct {
    int month, day;
    const char* window;
    const char* report;
  } cases[] = {
      {1, 1, "摩羯座", "摩羯座"},   {1, 19, "摩羯座", "摩羯座"},   {1, 20, "水瓶座", "水瓶座"},
      {2, 18, "水瓶座", "水瓶座"},  {2, 19, "双鱼座", "双鱼座"},   {3, 20, "双鱼座", "双鱼座"},
      {3, 21, "白羊座", "白羊座"},  {4, 20, "金牛座", "白羊座"},   {4, 21, "金牛座", "金牛座 "},
      {5, 20, "金牛座", "金牛座 "}, {5, 21, "双子座", "双子座"},   {6, 22, "巨蟹座", "巨蟹座"},
      {7, 23, "狮子座", "狮子座"},  {8, 22, "狮子座", "狮子座"},   {8, 23, "处女座", "处女座"},
      {9, 23, "天秤座", "天秤座"},  {10, 23, "天秤座", "天蝎座"}, {10, 24, "天蝎座", "天蝎座"},
      {11, 21, "天蝎座", "天蝎座"}, {11, 22, "射手座", "射手座"}, {12, 21, "射手座", "射手座"},
      {12, 22, "摩羯座", "摩羯座"}, {12, 31, "摩羯座", "摩羯座"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowStarSign(Day(2024, c.month, c.day)), c.window) << c.month << "-" << c.day;
    EXPECT_EQ(StarSign(Day(2023, c.month, c.day)), c.report) << c.month << "-" << c.day;
  }
}

TEST(WindowNames, AnyIntDateIsSafe) {
  for (int x : {std::numeric_limits<int>::min(), -10000, 0, std::numeric_limits<int>::max() - 1,
                std::numeric_limits<int>::max()}) {
    EXPECT_EQ(WindowMonthName(x), "");
    EXPECT_EQ(WindowDayName(x), "");
    EXPECT_EQ(WindowLunarFestival(x), "");
    EXPECT_EQ(WindowSolarTermName(x), "");
    EXPECT_FALSE(WindowZodiacName(x).empty());
    EXPECT_FALSE(WindowStarSign(x).empty());
    EXPECT_FALSE(StarSign(x).empty());
    (void)WindowSolarFestival(1, x);
  }
  for (int y = -10000; y <= 10000; y += 101)
    for (int m = 1; m <= 12; ++m) {
      const int x = Day(y, m, 28);
      (void)WindowSolarFestival(28, x);
      (void)WindowLunarFestival(x);
      EXPECT_FALSE(WindowZodiacName(x).empty());
    }
}

}  // namespace
}  // namespace qk::calendar
