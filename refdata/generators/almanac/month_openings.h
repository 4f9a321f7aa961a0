#pragma once
// The month-opening terms (节) of a span of years, each on the civil day of
// its moment in China Standard Time.
#include <vector>

#include "calendar/almanac_pillars.h"

namespace qk::almanac_gen {

// Every 小寒, 立春 … 大雪 of the Gregorian years firstYear..lastYear, in order.
std::vector<calendar::MonthOpening> ComputeMonthOpenings(int firstYear, int lastYear);

}  // namespace qk::almanac_gen
