#pragma once
// Moments of the 24 solar terms of a Gregorian year in China Standard Time
// (UTC+8), to the second: the instants at which the Sun's apparent
// geocentric longitude reaches 285, 300, ..., 270 degrees.
//
// Term n (0-23) is named like qk::calendar::SolarTermNames[n]: 0 = 小寒
// (285 degrees), 1 = 大寒, 2 = 立春 (315 degrees), ..., 23 = 冬至 (270). All
// 24 terms of year Y fall within Gregorian year Y. The even terms are the
// twelve month-opening terms (jie).
//
// Library target qiankun_solar_longitude; include as
// "solar_terms/solar_term_moments.h". It needs nothing but the standard
// library, so build-time generators can link it.
#include <array>
#include <string>

namespace qk::astro {

// The years for which the Delta T model is valid and the JQ table is built.
inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2100;

struct CivilMoment {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend auto operator<=>(const CivilMoment&, const CivilMoment&) = default;
};

// 285 + 15 n, folded into [0, 360).
double SolarTermLongitude(int n);

// Julian Ephemeris Day at which term n of the year begins.
double SolarTermJde(int year, int n);

// Term n of the year in China Standard Time, rounded to the nearest second.
CivilMoment SolarTermMomentCst(int year, int n);
std::array<CivilMoment, 24> SolarTermMomentsCst(int year);

// "YYYY-MM-DD HH:MM:SS".
std::string FormatCivilMoment(const CivilMoment& moment);

}  // namespace qk::astro
