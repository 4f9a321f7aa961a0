#include "calendar/calendar_names.h"

#include <cstddef>
#include <limits>

#include "calendar/sexagenary_tables.h"
#include "calendar/window_date_tables.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

struct LunarFestival {
  int day;
  std::string_view monthName;
  std::string_view text;
};
// In test order: on day 15 中秋 is tried before 元宵.
constexpr LunarFestival kLunarFestivals[] = {
    {1, "正月", "春节"},   {5, "五月", "端午节"}, {7, "七月", "七夕节"},   {8, "腊月", "腊八节"},
    {9, "九月", "重阳节"}, {15, "八月", "中秋节"}, {15, "正月", "元宵节"},
};
constexpr std::string_view kNewYearsEve = "除夕";

// A fixed day, or with weekday >= 0 the nth such weekday of the month
// (nth counted from 0, weekday 0 = Sunday).
struct SolarFestival {
  int month;
  int day;
  int weekday;
  int nth;
  std::string_view text;
};
constexpr SolarFestival kSolarFestivals[] = {
    {1, 1, -1, 0, "元旦节"},  {2, 14, -1, 0, "情人节"}, {3, 8, -1, 0, "妇女节"},  {4, 1, -1, 0, "愚人节"},
    {5, 1, -1, 0, "劳动节"},  {5, 4, -1, 0, "青年节"},  {5, 0, 0, 1, "母亲节"},   {6, 1, -1, 0, "儿童节"},
    {6, 0, 0, 2, "父亲节"},   {7, 1, -1, 0, "建党节"},  {8, 1, -1, 0, "建军节"},  {9, 10, -1, 0, "教师节"},
    {10, 1, -1, 0, "国庆节"}, {10, 6, -1, 0, "老人节"}, {10, 31, -1, 0, "万圣节"}, {11, 8, -1, 0, "记者日"},
    {11, 0, 4, 3, "感恩节"},  {12, 25, -1, 0, "圣诞节"},
};

// Names in calendar order from 摩羯座, and the first day of each sign in the
// month it starts (the sign of month m starts in month m; 摩羯座 in December).
constexpr std::array<std::string_view, 12> kSignNames{"摩羯座", "水瓶座", "双鱼座", "白羊座", "金牛座", "双子座",
                                                      "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座"};
// The reports' table writes 金牛座 with a trailing blank.
constexpr std::array<std::string_view, 12> kReportSignNames{"摩羯座", "水瓶座", "双鱼座", "白羊座",
                                                            "金牛座 ", "双子座", "巨蟹座", "狮子座",
                                                            "处女座", "天秤座", "天蝎座", "射手座"};
// First day of the sign that begins in month m (index m - 1); that sign is
// kSignNames[m % 12] (January starts 水瓶座, December 摩羯座).
constexpr std::array<int, 12> kWindowSignStarts{20, 19, 21, 20, 21, 22, 23, 23, 23, 24, 22, 22};
constexpr std::array<int, 12> kReportSignStarts{20, 19, 21, 21, 21, 22, 23, 23, 23, 23, 22, 22};

std::string_view SignOf(int date, const std::array<int, 12>& starts,
                        const std::array<std::string_view, 12>& names) {
  const Ymd ymd = YmdFromDayNumber(date);
  const int m = ymd.month;
  const int sign = ymd.day >= starts[static_cast<std::size_t>(m - 1)] ? m % 12 : m - 1;
  return names[static_cast<std::size_t>(sign)];
}

std::size_t FloorMod12(long long value) { return static_cast<std::size_t>(((value % 12) + 12) % 12); }

}  // namespace

std::string WindowMonthName(int date) {
  const int month = WindowLunarDay(date) / 100;
  if (month > 0) return std::string(WindowMonthNames[static_cast<std::size_t>(month)]) + "月";
  if (month < 0) return "闰" + std::string(WindowMonthNames[static_cast<std::size_t>(-month)]);
  return {};
}

std::string_view WindowDayName(int date) {
  const int value = WindowLunarDay(date);
  return WindowDayNames[static_cast<std::size_t>((value < 0 ? -value : value) % 100)];
}

std::string_view WindowLunarFestival(int date) {
  const int value = WindowLunarDay(date);
  const int day = (value < 0 ? -value : value) % 100;
  bool dayHasRow = false;
  std::string monthName;
  for (const auto& festival : kLunarFestivals) {
    if (festival.day != day) continue;
    if (!dayHasRow) monthName = WindowMonthName(date);
    dayHasRow = true;
    if (monthName == festival.monthName) return festival.text;
  }
  // Days without a row of their own: the eve of 正月初一.
  if (dayHasRow || date == std::numeric_limits<int>::max()) return {};
  const std::string thisMonth = WindowMonthName(date);
  if (thisMonth != "正月" && WindowMonthName(date + 1) == "正月") return kNewYearsEve;
  return {};
}

std::string_view WindowSolarFestival(int day, int date) {
  if (day < 1 || day > 31) return {};
  const Ymd ymd = YmdFromDayNumber(date);
  for (const auto& festival : kSolarFestivals) {
    if (festival.month != ymd.month) continue;
    if (festival.weekday < 0) {
      if (festival.day == day) return festival.text;
    } else if ((day - 1) / 7 == festival.nth && Weekday(DayNumber(ymd.year, ymd.month, day)) == festival.weekday) {
      return festival.text;
    }
  }
  return {};
}

std::string_view WindowSolarTermName(int date) {
  const Ymd ymd = YmdFromDayNumber(date);
  const int index = WindowSolarTermIndex(ymd.year, ymd.month, ymd.day);
  return index == 0 ? std::string_view{} : SolarTermNames[static_cast<std::size_t>(index - 1)];
}

std::string_view WindowZodiacName(int date) {
  const Ymd ymd = YmdFromDayNumber(date);
  long long k = static_cast<long long>(ymd.year) - 1972;  // 1972 was a 子鼠 year
  if (ymd.month <= 9) {
    // 冬月 or 腊月 (or their leap months) before 正月初一: still last year's animal.
    const std::string month = WindowMonthName(date);
    if (month.find("冬") != std::string::npos || month.find("腊") != std::string::npos) k -= 1;
  }
  return ZodiacYearNames[FloorMod12(k)];
}

std::string_view WindowStarSign(int date) { return SignOf(date, kWindowSignStarts, kSignNames); }

std::string_view StarSign(int date) { return SignOf(date, kReportSignStarts, kReportSignNames); }

}  // namespace qk::calendar
