#pragma once
// The single steps of the chart engine, as pure functions (the table-reading
// ones excepted), so each rule can be checked on its own.
#include <optional>
#include <vector>

#include "bazi/bazi_chart.h"
#include "calendar/term_moments.h"
#include "common/day_count.h"

namespace qk::bazi {

struct MonthAndYear {
  int monthBranch = 0;  // 0 = 子 … 11 = 亥
  int pillarYear = 0;   // the year whose pillar the chart takes
  friend bool operator==(const MonthAndYear&, const MonthAndYear&) = default;
};

// The month branch of a month-day number n = 100 * month + day by the fixed
// boundary dates (204-305 寅, …, 1208-1231 and 101-105 子, 106-203 丑).
int FixedRangeMonthBranch(int monthDay);

// Month and pillar year by the fixed boundary dates, with n lowered by one for
// a birth before the moment of that day's jie.
MonthAndYear MonthAndYearByFixedRanges(int year, int month, int day, bool bornBeforeJieMoment);

// The jie moments of the JQ table from the year before the birth's year to
// the year after, in time order; nullopt when the table cannot be read.
std::optional<std::vector<calendar::TermMoment>> JieMomentsAround(int year);

// Month and pillar year from the exact jie moments: the month of the last jie
// at or before the birth, the year changing at 立春. nullopt when the moments
// do not hold that jie.
std::optional<MonthAndYear> MonthAndYearByTermTable(DateTime birth, const std::vector<calendar::TermMoment>& jie);

// Sexagenary number (0 = 甲子) of a Gregorian day.
int DayPillarNumber(int year, int month, int day);

// 23:00-00:59 子, 01:00-02:59 丑, …, 21:00-22:59 亥.
int HourBranch(int hour);

// 阳男阴女顺行，阴男阳女逆行.
ChartDirection DirectionOf(bool male, int yearStem);

struct JieDistance {
  int days = 0;  // 1-32
  Ymd jieDate;   // the date on which that jie begins
};

// Days from the birth date to the date of the nearest jie moment strictly
// ahead of the birth in the given direction (a jie later, or earlier, on the
// birth day itself counts as one day). nullopt when the moments do not hold it.
std::optional<JieDistance> JieDistanceByTermTable(DateTime birth, ChartDirection direction,
                                                  const std::vector<calendar::TermMoment>& jie);

// The same by the term formula: the first of the 32 days before or after the
// birth date on which a jie begins (the birth date itself is never counted).
JieDistance JieDistanceByTermFormula(const Ymd& birthDate, ChartDirection direction);

// ⌈days / 3⌉: three days count as one year, a remainder as one more.
int StartAge(int jieDays);

}  // namespace qk::bazi
