#pragma once
// The fixed-year approximation of the 24 solar terms: a mean tropical year
// and a minute offset per term from the moment of 小寒 1900 (1900-01-06 02:05).
// It is off by up to about an hour and a half from the true moments; the
// chart engine and the reports rely on exactly these values.
#include <string_view>

#include "common/day_count.h"

namespace qk::calendar {

// The moment term n (0 = 小寒 … 23 = 冬至) of the given Gregorian year
// begins, as a day count with the time of day. An n outside 0-23 counts on
// into the neighbouring years (24 is 小寒 of the next year).
DateTime SolarTermMoment(int year, int n);

// The day the term begins: the floor of its moment.
int SolarTermDay(int year, int n);

// The name of the term that begins on this whole day, or empty. A value that
// carries a time of day never matches.
std::string_view SolarTermOn(DateTime date);

}  // namespace qk::calendar
