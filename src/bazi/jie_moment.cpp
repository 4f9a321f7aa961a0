#include "bazi/jie_moment.h"

#include <cmath>

#include "calendar/term_moments.h"

namespace qk::bazi {

bool BornBeforeJieMoment(int year, DateTime birthMoment) {
  const std::int64_t birth = calendar::SecondsOf(birthMoment);
  const Ymd birthDate = YmdFromDayNumber(static_cast<int>(std::floor(static_cast<double>(birth) / 86400.0)));
  const calendar::TermMoments rows = calendar::JieMomentsOnDate(year, birthDate);
  if (!rows.ok() || rows.moments.size() != 1) return false;
  return birth < rows.moments.front().Seconds();
}

bool BornBeforeJieMoment(int year, const Ymd& birthDate, int hour, int minute) {
  return BornBeforeJieMoment(year, MakeDateTime(birthDate.year, birthDate.month, birthDate.day, hour, minute));
}

}  // namespace qk::bazi
