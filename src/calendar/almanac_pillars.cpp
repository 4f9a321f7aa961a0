#include "calendar/almanac_pillars.h"

#include <algorithm>
#include <stdexcept>

#include "calendar/almanac_rules.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

constexpr int Mod(int a, int m) { return ((a % m) + m) % m; }
constexpr int kLongestSpanAfterLast = 28;

}  // namespace

int DayPillarOf(int dayNumber) { return Mod(dayNumber + 8, 60); }

MonthOpenings::MonthOpenings(std::vector<MonthOpening> openings) : openings_(std::move(openings)) {
  for (std::size_t i = 0; i < openings_.size(); ++i) {
    const MonthOpening& o = openings_[i];
    if (o.term < 0 || o.term > 22 || o.term % 2 != 0)
      throw std::invalid_argument("month opening with a term that opens no month");
    if (i > 0) {
      const MonthOpening& before = openings_[i - 1];
      if (o.dayNumber <= before.dayNumber || o.term != (before.term + 2) % 24)
        throw std::invalid_argument("month openings out of order");
    }
  }
}

std::optional<DayPillars> MonthOpenings::PillarsOf(int dayNumber) const {
  const auto after = std::upper_bound(openings_.begin(), openings_.end(), dayNumber,
                                      [](int day, const MonthOpening& o) { return day < o.dayNumber; });
  if (after == openings_.begin()) return std::nullopt;
  const MonthOpening& opening = *(after - 1);
  if (after == openings_.end() && dayNumber - opening.dayNumber > kLongestSpanAfterLast) return std::nullopt;

  // The solar year starts at 立春; 小寒 (January) still closes the year before.
  const int solarYear = YmdFromDayNumber(opening.dayNumber).year - (opening.term == 0 ? 1 : 0);
  DayPillars pillars;
  pillars.year = Mod(solarYear - 4, 60);  // 1984 was 甲子
  const int monthBranch = (opening.term / 2 + 1) % 12;
  // The 寅 month's stem follows the year stem: 甲己 丙寅, 乙庚 戊寅, 丙辛 庚寅 …
  const int firstMonthStem = (pillars.year % 10 % 5) * 2 + 2;
  pillars.month = PillarOf(firstMonthStem + Mod(monthBranch - 2, 12), monthBranch);
  pillars.day = DayPillarOf(dayNumber);
  return pillars;
}

}  // namespace qk::calendar
