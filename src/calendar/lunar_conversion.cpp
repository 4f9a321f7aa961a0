#include "calendar/lunar_conversion.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "calendar/lunar_year_table.h"

namespace qk::calendar {
namespace {

constexpr std::size_t kYears = LunarYearTable.size();

// Days from 1900-01-31 to 正月初一 of each table year, and one past the end.
// Summing year lengths once at compile time replaces the year-by-year walk.
constexpr std::array<int, kYears + 1> kYearStarts = [] {
  std::array<int, kYears + 1> starts{};
  for (std::size_t i = 0; i < kYears; ++i)
    starts[i + 1] = starts[i] + LunarYearLength(kLunarTableFirstYear + static_cast<int>(i));
  return starts;
}();

static_assert(kYearStarts[kYears] > kPastLastLunarDay - kFirstLunarDay,
              "the table must reach past 2100-12-31");
// 2000-02-05 is 正月初一 of lunar 2000.
static_assert(kFirstLunarDay + kYearStarts[2000 - kLunarTableFirstYear] == 36561);

constexpr int YearStart(int year) { return kYearStarts[static_cast<std::size_t>(year - kLunarTableFirstYear)]; }

}  // namespace

LunarDate SolarToLunar(DateTime date) {
  if (!(date >= kFirstLunarDay && date < kPastLastLunarDay)) return kNoLunarDate;
  const int offsetInRange = static_cast<int>(date) - kFirstLunarDay;

  // Guess the year from the mean year length, then step to the one that holds
  // the day (never more than a step away).
  std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(offsetInRange) * 4 / 1461, kYears - 1);
  while (index > 0 && kYearStarts[index] > offsetInRange) --index;
  while (kYearStarts[index + 1] <= offsetInRange) ++index;
  const int year = kLunarTableFirstYear + static_cast<int>(index);
  int offset = offsetInRange - kYearStarts[index];

  // Months in order; the leap month follows its regular month.
  const int leap = LeapMonthOf(year);
  for (int month = 1;; ++month) {
    const int length = LunarMonthLength(year, month);
    if (offset < length) return {year, month, offset + 1, false};
    offset -= length;
    if (month == leap) {
      const int leapLength = LeapMonthLength(year);
      if (offset < leapLength) return {year, month, offset + 1, true};
      offset -= leapLength;
    }
  }
}

bool IsValidLunarDate(const LunarDate& date) {
  if (date.year < 1901 || date.year > 2099) return false;
  // Month 0 or day 0 would otherwise name a day of a neighbouring month.
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return false;
  if (date.isLeap)
    return date.month == LeapMonthOf(date.year) && date.day <= LeapMonthLength(date.year);
  return date.day <= LunarMonthLength(date.year, date.month);
}

int LunarToSolar(const LunarDate& date) {
  if (!IsValidLunarDate(date)) return kInvalidSolarDay;
  const int leap = LeapMonthOf(date.year);
  int days = 0;
  for (int month = 1; month < date.month; ++month) {
    days += LunarMonthLength(date.year, month);
    if (month == leap) days += LeapMonthLength(date.year);
  }
  if (date.isLeap) days += LunarMonthLength(date.year, date.month);
  return kFirstLunarDay + YearStart(date.year) + days + date.day - 1;
}

}  // namespace qk::calendar
