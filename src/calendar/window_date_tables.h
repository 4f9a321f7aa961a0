#pragma once
// The perpetual calendar's own date tables for the Gregorian years 1901-2050:
// lunar months and days, and the days the solar terms begin. They are
// separate from LunarYearTable and the term formula and differ from them in a
// few months (one month boundary a day apart in 1906, 1914, 1989 and 2013;
// 138 of the 3600 term days), and the calendar shows what these tables say.
#include <array>
#include <cstdint>

namespace qk::calendar {

inline constexpr int kWindowFirstYear = 1901;
inline constexpr int kWindowLastYear = 2050;

// Lunar months overlapping each Gregorian year, one 4-byte entry per year
// from 1901 (layout beside the data).
extern const std::array<std::uint32_t, 150> WindowLunarTable;
// Term days of each Gregorian month from January 1901, one byte per month.
extern const std::array<std::uint8_t, 1800> WindowTermTable;

// 1 January = 1.
int WindowDayOfYear(int date);

// The lunar date of a Gregorian day count packed as month * 100 + day, or
// -(month * 100 + day) in a leap month (-415: day 15 of the leap 4th month);
// 0 outside 1901-2050. Month: value / 100; day: |value| % 100.
int WindowLunarDay(int date);

// 1-24 (1 = 小寒 … 24 = 冬至) when a term begins on that date, else 0.
int WindowSolarTermIndex(int year, int month, int day);

}  // namespace qk::calendar
