// One whole 风水分析 report, reference look-ups included (the chart's term
// moments and luck columns, the year na-yin), as the window runs it.
#include <benchmark/benchmark.h>

#include "fengshui/fengshui_report.h"

namespace {

void BM_FengshuiReport(benchmark::State& state) {
  qk::PanelInput input;
  input.sex = "女";
  input.year = "1980";
  input.month = "6";
  input.day = "15";
  input.hour = "午 12";
  input.minute = "30";
  const qk::Ymd today{2024, 5, 1};
  for (auto _ : state) {
    auto outcome = qk::FengshuiReport(input, today, qk::fengshui::kFullReading);
    if (outcome.kind != qk::ReportOutcome::Kind::Report) state.SkipWithError(outcome.message.c_str());
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_FengshuiReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
