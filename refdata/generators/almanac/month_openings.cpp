#include "month_openings.h"

#include "common/day_count.h"
#include "solar_terms/solar_term_moments.h"

namespace qk::almanac_gen {

std::vector<calendar::MonthOpening> ComputeMonthOpenings(int firstYear, int lastYear) {
  std::vector<calendar::MonthOpening> openings;
  for (int year = firstYear; year <= lastYear; ++year) {
    const auto moments = astro::SolarTermMomentsCst(year);
    for (int term = 0; term < 24; term += 2) {
      const astro::CivilMoment& m = moments[static_cast<std::size_t>(term)];
      openings.push_back({DayNumber(m.year, m.month, m.day), term});
    }
  }
  return openings;
}

}  // namespace qk::almanac_gen
