#include "solar_terms/solar_term_moments.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "solar_terms/delta_t.h"
#include "solar_terms/solar_longitude.h"

namespace qk::astro {
namespace {

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kChinaStandardTimeOffsetDays = 8.0 / 24.0;

double JdOfCivilDate(int year, int month, int day) {
  using namespace std::chrono;
  const sys_days date = std::chrono::year{year} / month / day;
  return kUnixEpochJd + date.time_since_epoch().count();
}

CivilMoment CivilMomentOfJd(double jd) {
  using namespace std::chrono;
  const auto secondsSinceEpoch = static_cast<long long>(std::llround((jd - kUnixEpochJd) * 86400.0));
  const sys_seconds instant{seconds{secondsSinceEpoch}};
  const sys_days date = floor<days>(instant);
  const year_month_day ymd{date};
  const hh_mm_ss time{instant - date};
  return {static_cast<int>(ymd.year()),         static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

}  // namespace

double SolarTermLongitude(int n) { return std::fmod(285.0 + 15.0 * n, 360.0); }

double SolarTermJde(int year, int n) {
  // 小寒 falls near 6 January and the terms follow about 15.22 days apart.
  const double guess = JdOfCivilDate(year, 1, 6) + 15.2184 * n;
  return JdeOfApparentSolarLongitude(SolarTermLongitude(n), guess);
}

CivilMoment SolarTermMomentCst(int year, int n) {
  const double jde = SolarTermJde(year, n);
  const double decimalYear = 2000.0 + (jde - kJ2000) / 365.25;
  const double jdUt = jde - DeltaTSeconds(decimalYear) / 86400.0;
  return CivilMomentOfJd(jdUt + kChinaStandardTimeOffsetDays);
}

std::array<CivilMoment, 24> SolarTermMomentsCst(int year) {
  std::array<CivilMoment, 24> moments;
  for (int n = 0; n < 24; ++n) moments[static_cast<std::size_t>(n)] = SolarTermMomentCst(year, n);
  return moments;
}

std::string FormatCivilMoment(const CivilMoment& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", m.year, m.month, m.day, m.hour, m.minute,
                m.second);
  return text;
}

}  // namespace qk::astro
