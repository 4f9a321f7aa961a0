// The whole 八字简析 report of one birth, every reference look-up included
// (each on its own connection, as the program runs it).
#include <benchmark/benchmark.h>

#include "bazi/bazi_report.h"

namespace {

void BM_BaziReport(benchmark::State& state) {
  qk::PanelInput panel;
  panel.year = "1984";
  panel.month = "2";
  panel.day = "4";
  panel.hour = "午 12";
  panel.minute = "0";
  for (auto _ : state) {
    qk::ReportOutcome outcome = qk::bazi::BaziReport(panel, qk::Ymd{2024, 6, 1});
    if (outcome.lines.size() != 69) state.SkipWithError("the report did not come out whole");
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_BaziReport)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
