#pragma once
// The true solar-term moments of the JQ table in Tgcode.dll (China Standard
// Time, 1900-2100): the one source of the exact instants at which months
// change for the Four Pillars chart and the almanac.
//
// Every read says how it went:
//   Ok          rows were found (all of them parsed);
//   NoRow       the table was read but holds no matching row (for instance
//               a date outside 1900-2100);
//   Unreadable  the database or the table cannot be read, or a row is
//               damaged. Callers then fall back to their approximate rules.
//
// Instants are taken as day counts (DateTime, days since 1899-12-30) and
// compared to the second: a DateTime is rounded to the nearest whole second
// first, so 10:00 built with MakeDateTime compares exactly with a stored
// "10:00:00".
//
// Typical uses:
//   - month of a birth: LastJieAtOrBefore(birth) -> JieMonthBranch(index);
//     the pillar year changes at that year's 立春 (term 2);
//   - days to the next or previous month opening for the luck cycles:
//     FirstJieAfter(birth) / LastJieBefore(birth), then the date of the
//     moment;
//   - the month opening on one date as the database query of the chart engine
//     asks for it: JieMomentsOnDate(year, date);
//   - a year's table for display: TermMomentsOfYear(year).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/day_count.h"

namespace qk::calendar {

enum class TermTableStatus { Ok, NoRow, Unreadable };

struct TermMoment {
  int index = -1;  // position in SolarTermNames: 0 = 小寒, 2 = 立春, ..., 23 = 冬至
  Ymd date;        // China Standard Time
  int hour = 0;
  int minute = 0;
  int second = 0;
  int yearA = 0;  // the YearA column: the Gregorian year of the moment

  std::string_view Name() const;
  // "YYYY-MM-DD HH:MM:SS", as stored in SJ.
  std::string Text() const;
  // Whole seconds since 1899-12-30 00:00.
  std::int64_t Seconds() const;
  DateTime At() const;
  // One of the twelve month-opening terms (小寒, 立春, 惊蛰, …, 大雪).
  bool IsJie() const { return index >= 0 && index % 2 == 0; }
};

struct TermMoments {
  TermTableStatus status = TermTableStatus::Unreadable;
  std::vector<TermMoment> moments;  // in time order
  bool ok() const { return status == TermTableStatus::Ok; }
};

struct TermMomentLookup {
  TermTableStatus status = TermTableStatus::Unreadable;
  TermMoment moment;  // meaningful only when ok()
  bool ok() const { return status == TermTableStatus::Ok; }
};

// True for the even terms of SolarTermNames, the month-opening jie.
bool IsJieTerm(int index);
// Month branch (0 = 子 … 11 = 亥) that a jie opens: 立春 -> 寅, 惊蛰 -> 卯, …,
// 大雪 -> 子, 小寒 -> 丑. -1 for a term that is not a jie.
int JieMonthBranch(int index);

// Whole seconds since 1899-12-30 00:00 of a day count, rounded to the nearest.
std::int64_t SecondsOf(DateTime t);
// "YYYY-MM-DD HH:MM:SS" of such a second count.
std::string FormatSeconds(std::int64_t seconds);

// Parses one row of the table. False when the name is not a term name, SJ is
// not a real "YYYY-MM-DD HH:MM:SS", or YearA is not SJ's year.
bool ParseTermRow(std::string_view name, std::string_view sj, std::string_view yearA, TermMoment& moment);

// The 24 rows of a year in time order (NoRow for a year outside the table).
TermMoments TermMomentsOfYear(int year);

// The jie rows with YearA = year whose moment falls on `date`; with our table
// there is at most one.
TermMoments JieMomentsOnDate(int year, const Ymd& date);

// The latest jie at or before t, the latest strictly before t, and the first
// strictly after t.
TermMomentLookup LastJieAtOrBefore(DateTime t);
TermMomentLookup LastJieBefore(DateTime t);
TermMomentLookup FirstJieAfter(DateTime t);

}  // namespace qk::calendar
