#pragma once
// Civil dates as day counts. A date-time is the number of days since
// 1899-12-30 00:00 (1900-01-01 is day 2); the fraction is the time of day.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace qk {

using DateTime = double;

struct Ymd {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const Ymd&, const Ymd&) = default;
};

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidYmd(int year, int month, int day);

// Whole days since 1899-12-30 of a proleptic Gregorian date.
int DayNumber(int year, int month, int day);
inline int DayNumber(const Ymd& d) { return DayNumber(d.year, d.month, d.day); }
Ymd YmdFromDayNumber(int dayNumber);

// Date part of a date-time: the floor of the day count.
int WholeDay(DateTime t);
Ymd YmdOf(DateTime t);
DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// 0 = Sunday … 6 = Saturday.
int Weekday(int dayNumber);
// 1 = 1 January.
int DayOfYear(const Ymd& d);

// Strict "Y-M-D": digits only, one or two digits for month and day, a real
// date. "1980-1-1" and "1980-01-01" parse; "1981-2-29", "2023-13-1", "abc" do not.
std::optional<Ymd> ParseYmd(std::string_view text);

// "YYYY-MM-DD".
std::string FormatYmd(const Ymd& d);

// Today on the local clock.
Ymd TodayLocal();

}  // namespace qk
