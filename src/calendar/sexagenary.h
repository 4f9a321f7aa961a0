#pragma once
// Names of lunar years, months and days as the reports print them.
#include <string>

#include "calendar/lunar_date.h"

namespace qk::calendar {

// k is the sexagenary year index, lunar year - 1864 (1864 was 甲子):
// 庚申(猴年) for 1980. The cycle runs on below 0, so -1 is 癸亥(猪年).
std::string LunarYearText(int k);

// 一月 … 十二月, 闰 in front for a leap month; outside 1-12 only the 闰 and 月
// remain (月, 闰月).
std::string LunarMonthName(int month, bool isLeap);

// 初一 … 三十; empty outside 1-30.
std::string LunarDayName(int day);

// The full report form, e.g. 癸卯(兔年)闰二月初一.
std::string LunarDateText(const LunarDate& date);

}  // namespace qk::calendar
