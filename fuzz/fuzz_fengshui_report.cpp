// The 风水分析 and 玄空分析 reports with random panel texts and a random "today".
#include <cstdlib>

#include "fengshui/fengshui_report.h"
#include "panel_input_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int variant = in.ConsumeIntegralInRange<int>(0, 1);
  const qk::Ymd today{in.ConsumeIntegralInRange<int>(1900, 2100), in.ConsumeIntegralInRange<int>(1, 12),
                      in.ConsumeIntegralInRange<int>(1, 28)};
  const qk::PanelInput panel = qk::fuzz::RandomPanel(in);
  const qk::ReportOutcome outcome = qk::FengshuiReport(panel, today, variant);
  using Kind = qk::ReportOutcome::Kind;
  if (outcome.kind == Kind::Report && outcome.lines.empty()) std::abort();
  if ((outcome.kind == Kind::Info || outcome.kind == Kind::Error) && outcome.message.empty()) std::abort();
  return 0;
}
