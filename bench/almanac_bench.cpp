// Almanac: one look-up of a day's row in KunFile.dll (connection, query and
// all), and the computation of the whole 1901-2100 table as the build's
// generator does it (term moments, then 73,049 entries), without the file.
#include <benchmark/benchmark.h>

#include "calendar/almanac_entry.h"
#include "calendar/almanac_lookup.h"
#include "month_openings.h"

namespace {

const char* const kSpiritTable = QIANKUN_DAY_SPIRITS_TSV;

void BM_AlmanacLookup(benchmark::State& state) {
  for (auto _ : state) {
    auto found = qk::calendar::LookupAlmanac({2024, 2, 10});
    if (found.status != qk::calendar::AlmanacLookupStatus::Found) state.SkipWithError("no row for 2024-02-10");
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_AlmanacLookup)->Unit(benchmark::kMicrosecond);

void BM_AlmanacWholeTable(benchmark::State& state) {
  const auto spirits = qk::calendar::DaySpiritTable::Load(kSpiritTable);
  if (!spirits) {
    state.SkipWithError("cannot read day_spirits.tsv");
    return;
  }
  for (auto _ : state) {
    const qk::calendar::MonthOpenings openings(qk::almanac_gen::ComputeMonthOpenings(1900, 2100));
    std::size_t bytes = 0;
    for (int day = qk::DayNumber(1901, 1, 1); day <= qk::DayNumber(2100, 12, 31); ++day) {
      const auto entry = qk::calendar::ComputeAlmanacEntry(qk::YmdFromDayNumber(day), openings, *spirits);
      bytes += entry ? entry->yi.size() : 0;
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_AlmanacWholeTable)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
