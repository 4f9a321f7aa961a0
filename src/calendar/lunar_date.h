#pragma once
// A date of the Chinese lunar calendar.
namespace qk::calendar {

struct LunarDate {
  int year = 0;  // numbered by the Gregorian year of its first day (正月初一)
  int month = 0;  // 1-12; a leap month carries the number of the month it follows
  int day = 0;  // 1-30
  bool isLeap = false;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The all-zero record: no lunar date.
inline constexpr LunarDate kNoLunarDate{};

}  // namespace qk::calendar
