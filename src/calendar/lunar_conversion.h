#pragma once
// Gregorian day counts <-> lunar dates over LunarYearTable.
#include "common/day_count.h"
#include "calendar/lunar_date.h"

namespace qk::calendar {

// 1900-01-31 (正月初一 of lunar 1900) to 2100-12-31; anything else, NaN
// included, gives the zero record. The time of day is ignored.
LunarDate SolarToLunar(DateTime date);

// True for a lunar date of the years 1901-2099 that exists in the table.
bool IsValidLunarDate(const LunarDate& date);

// The day count of a valid lunar date; -693593 (0001-01-01) otherwise.
int LunarToSolar(const LunarDate& date);

inline constexpr int kFirstLunarDay = 32;      // 1900-01-31
inline constexpr int kPastLastLunarDay = 73416;  // 2101-01-01
inline constexpr int kInvalidSolarDay = -693593;  // 0001-01-01

}  // namespace qk::calendar
