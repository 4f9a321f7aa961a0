#pragma once
// Year, month and day pillars of a civil day as the almanac counts them.
// The month (and at 立春 the year) changes with the month-opening terms
// (节); the whole day on which such a term falls already belongs to the new
// month, whatever the hour of the term.
#include <optional>
#include <vector>

namespace qk::calendar {

struct MonthOpening {
  int dayNumber = 0;  // civil day (China Standard Time) on which the term falls
  int term = 0;       // even index into SolarTermNames: 0 = 小寒, 2 = 立春 … 22 = 大雪
};

struct DayPillars {
  int year = 0;   // sexagenary numbers, 0 = 甲子
  int month = 0;
  int day = 0;
  friend bool operator==(const DayPillars&, const DayPillars&) = default;
};

// Day pillar of a day count (days since 1899-12-30); 1900-01-01 was 甲戌.
int DayPillarOf(int dayNumber);

class MonthOpenings {
 public:
  // The openings in order, each the term after the one before; throws
  // std::invalid_argument otherwise.
  explicit MonthOpenings(std::vector<MonthOpening> openings);

  // The pillars of a day from the first opening on up to 28 days after the
  // last one (no month is shorter); nothing outside that span.
  std::optional<DayPillars> PillarsOf(int dayNumber) const;

  const std::vector<MonthOpening>& openings() const { return openings_; }

 private:
  std::vector<MonthOpening> openings_;
};

}  // namespace qk::calendar
