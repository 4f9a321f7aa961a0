// Lunar conversion over the whole table range: SolarToLunar for every day
// from 1900-01-31 to 2100-12-31, and LunarToSolar back for every lunar date
// of 1901-2099. Figures are per date.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/lunar_conversion.h"
#include "common/day_count.h"

namespace {

using qk::calendar::LunarDate;

void BM_SolarToLunar(benchmark::State& state) {
  const int first = qk::DayNumber(1900, 1, 31), last = qk::DayNumber(2100, 12, 31);
  for (auto _ : state) {
    for (int x = first; x <= last; ++x) benchmark::DoNotOptimize(qk::calendar::SolarToLunar(x));
  }
  state.SetItemsProcessed(state.iterations() * (last - first + 1));
  state.counters["ns_per_date"] = benchmark::Counter(static_cast<double>(state.iterations()) * (last - first + 1),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SolarToLunar)->Unit(benchmark::kMillisecond);

void BM_LunarToSolar(benchmark::State& state) {
  std::vector<LunarDate> dates;
  for (int x = qk::DayNumber(1901, 2, 19); x <= qk::DayNumber(2100, 2, 8); ++x)
    dates.push_back(qk::calendar::SolarToLunar(x));
  for (auto _ : state) {
    for (const LunarDate& d : dates) benchmark::DoNotOptimize(qk::calendar::LunarToSolar(d));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(dates.size()));
  state.counters["ns_per_date"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(dates.size()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LunarToSolar)->Unit(benchmark::kMillisecond);

}  // namespace
