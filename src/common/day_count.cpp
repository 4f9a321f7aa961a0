#include "common/day_count.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace qk {
namespace {

// Days from 1970-01-01 (Howard Hinnant's days_from_civil).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

Ymd CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long kEpochOffset = 25569;  // 1970-01-01 as a day number

bool ParsePart(std::string_view text, int maxDigits, int& value) {
  if (text.empty() || static_cast<int>(text.size()) > maxDigits) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

bool IsValidYmd(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

int DayNumber(int year, int month, int day) {
  return static_cast<int>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
                          kEpochOffset);
}

Ymd YmdFromDayNumber(int dayNumber) { return CivilFromDays(dayNumber - kEpochOffset); }

int WholeDay(DateTime t) { return static_cast<int>(std::floor(t)); }

Ymd YmdOf(DateTime t) { return YmdFromDayNumber(WholeDay(t)); }

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  return DayNumber(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

int Weekday(int dayNumber) {
  // Day 0 (1899-12-30) was a Saturday.
  return static_cast<int>(((dayNumber + 6) % 7 + 7) % 7);
}

int DayOfYear(const Ymd& d) { return DayNumber(d) - DayNumber(d.year, 1, 1) + 1; }

std::optional<Ymd> ParseYmd(std::string_view text) {
  const auto first = text.find('-');
  if (first == text.npos) return std::nullopt;
  const auto second = text.find('-', first + 1);
  if (second == text.npos) return std::nullopt;
  Ymd d;
  if (!ParsePart(text.substr(0, first), 4, d.year) ||
      !ParsePart(text.substr(first + 1, second - first - 1), 2, d.month) ||
      !ParsePart(text.substr(second + 1), 2, d.day) || !IsValidYmd(d.year, d.month, d.day))
    return std::nullopt;
  return d;
}

std::string FormatYmd(const Ymd& d) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buffer;
}

Ymd TodayLocal() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace qk
