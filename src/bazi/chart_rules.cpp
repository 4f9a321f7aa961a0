#include "bazi/chart_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "bazi/jie_moment.h"
#include "calendar/solar_term_formula.h"
#include "calendar/term_moments.h"
#include "common/text.h"

namespace qk::bazi {
namespace {

struct RangeStart {
  int monthDay;
  int branch;
};

// First month-day number of each month branch, in calendar order.
constexpr std::array<RangeStart, 13> kFixedRangeStarts{{{0, 0},
                                                        {106, 1},
                                                        {204, 2},
                                                        {306, 3},
                                                        {405, 4},
                                                        {505, 5},
                                                        {606, 6},
                                                        {707, 7},
                                                        {808, 8},
                                                        {908, 9},
                                                        {1008, 10},
                                                        {1107, 11},
                                                        {1208, 0}}};

constexpr int kFirstPillarMonthDay = 204;
// Consecutive jie are at most 32 days apart; a row further away than that
// means the table is missing rows.
constexpr std::int64_t kMaxJieGapSeconds = 33LL * 86400;

bool IsJieName(std::string_view name) {
  return std::find(JieTermNames.begin(), JieTermNames.end(), name) != JieTermNames.end();
}

}  // namespace

int FixedRangeMonthBranch(int monthDay) {
  int branch = kFixedRangeStarts.front().branch;
  for (const RangeStart& start : kFixedRangeStarts)
    if (monthDay >= start.monthDay) branch = start.branch;
  return branch;
}

MonthAndYear MonthAndYearByFixedRanges(int year, int month, int day, bool bornBeforeJieMoment) {
  const int monthDay = 100 * month + day - (bornBeforeJieMoment ? 1 : 0);
  return {FixedRangeMonthBranch(monthDay), monthDay >= kFirstPillarMonthDay ? year : year - 1};
}

std::optional<std::vector<calendar::TermMoment>> JieMomentsAround(int year) {
  std::vector<calendar::TermMoment> jie;
  for (int y = year - 1; y <= year + 1; ++y) {
    const calendar::TermMoments rows = calendar::TermMomentsOfYear(y);
    if (rows.status == calendar::TermTableStatus::Unreadable) return std::nullopt;
    for (const calendar::TermMoment& moment : rows.moments)
      if (moment.IsJie()) jie.push_back(moment);
  }
  return jie;
}

std::optional<MonthAndYear> MonthAndYearByTermTable(DateTime birth, const std::vector<calendar::TermMoment>& jie) {
  const std::int64_t seconds = calendar::SecondsOf(birth);
  const calendar::TermMoment* last = nullptr;
  for (const calendar::TermMoment& moment : jie)
    if (moment.Seconds() <= seconds && (!last || moment.Seconds() > last->Seconds())) last = &moment;
  if (!last || seconds - last->Seconds() > kMaxJieGapSeconds) return std::nullopt;
  const int year = YmdOf(birth).year;
  // Before this year's 立春 the last jie is 小寒 of this year or 大雪 of the last.
  const bool beforeSpring = last->index == 0 || last->date.year < year;
  return MonthAndYear{calendar::JieMonthBranch(last->index), beforeSpring ? year - 1 : year};
}

int DayPillarNumber(int year, int month, int day) {
  const long long g = year - 1;
  const auto floorDiv = [](long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); };
  const long long n = 5 * g + floorDiv(g, 4) + floorDiv(g, 400) - floorDiv(g, 100) +
                      DayOfYear(Ymd{year, month, day}) + 6014;
  return static_cast<int>(((n % 60) + 60) % 60);
}

int HourBranch(int hour) { return ((hour + 1) / 2) % 12; }

ChartDirection DirectionOf(bool male, int yearStem) {
  const bool yinYear = yearStem % 2 == 1;
  return male == yinYear ? ChartDirection::Backward : ChartDirection::Forward;
}

std::optional<JieDistance> JieDistanceByTermTable(DateTime birth, ChartDirection direction,
                                                  const std::vector<calendar::TermMoment>& jie) {
  const std::int64_t seconds = calendar::SecondsOf(birth);
  const bool forward = direction == ChartDirection::Forward;
  const calendar::TermMoment* nearest = nullptr;
  for (const calendar::TermMoment& moment : jie) {
    const bool ahead = forward ? moment.Seconds() > seconds : moment.Seconds() < seconds;
    const bool nearer = !nearest || (forward ? moment.Seconds() < nearest->Seconds() : moment.Seconds() > nearest->Seconds());
    if (ahead && nearer) nearest = &moment;
  }
  if (!nearest) return std::nullopt;
  const int birthDay = static_cast<int>(std::floor(static_cast<double>(seconds) / 86400.0));
  const int days = std::max(1, std::abs(DayNumber(nearest->date) - birthDay));
  if (days > 32) return std::nullopt;
  return JieDistance{days, nearest->date};
}

JieDistance JieDistanceByTermFormula(const Ymd& birthDate, ChartDirection direction) {
  const int base = DayNumber(birthDate);
  const int step = direction == ChartDirection::Forward ? 1 : -1;
  for (int j = 1; j <= 32; ++j) {
    const int candidate = base + step * j;
    if (IsJieName(Trim(calendar::SolarTermOn(candidate)))) return {j, YmdFromDayNumber(candidate)};
  }
  // Jie begin at most 32 days apart, so the search always ends above; should
  // it not, the farthest day stands in.
  return {32, YmdFromDayNumber(base + step * 32)};
}

int StartAge(int jieDays) { return (jieDays + 2) / 3; }

}  // namespace qk::bazi
