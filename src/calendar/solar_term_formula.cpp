#include "calendar/solar_term_formula.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "calendar/sexagenary_tables.h"

namespace qk::calendar {
namespace {

constexpr double kMsPerDay = 86400000.0;
constexpr double kMsPerYear = 31556925974.7;
// 1900-01-06 02:05:00 in milliseconds since 1899-12-30.
constexpr double kBaseMs = 7 * kMsPerDay + (2 * 60 + 5) * 60000.0;

}  // namespace

DateTime SolarTermMoment(int year, int n) {
  long long wholeYear = year;
  long long term = n;
  wholeYear += term / 24;
  term %= 24;
  if (term < 0) {
    term += 24;
    wholeYear -= 1;
  }
  // Rounded to the millisecond, ties to even (the default rounding mode).
  const double ms = std::nearbyint(static_cast<double>(wholeYear - 1900) * kMsPerYear +
                                   SolarTermMinutes[static_cast<std::size_t>(term)] * 60000.0);
  return (kBaseMs + ms) / kMsPerDay;
}

int SolarTermDay(int year, int n) {
  // Far-off years leave the int range of day counts; saturate rather than overflow.
  const double day = std::floor(SolarTermMoment(year, n));
  if (day <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (day >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(day);
}

std::string_view SolarTermOn(DateTime date) {
  if (!(date >= -1e9 && date <= 1e9)) return {};
  const Ymd ymd = YmdOf(date);
  for (int n : {2 * ymd.month - 2, 2 * ymd.month - 1})
    if (SolarTermDay(ymd.year, n) == date) return SolarTermNames[static_cast<std::size_t>(n)];
  return {};
}

}  // namespace qk::calendar
