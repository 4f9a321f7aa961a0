// The birth-input reader of the reports with arbitrary hour and minute items
// (and a date that is sometimes valid): it either reads an hour 0-23 and a
// minute 0-59 or gives a message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "bazi/birth_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  qk::PanelInput panel;
  panel.dateKind = in.ConsumeIntegralInRange<int>(0, 1);
  panel.year = std::to_string(in.ConsumeIntegralInRange<int>(1899, 2101));
  panel.month = std::to_string(in.ConsumeIntegralInRange<int>(0, 13));
  panel.day = std::to_string(in.ConsumeIntegralInRange<int>(0, 32));
  panel.hour = in.ConsumeRandomLengthString(64);
  panel.minute = in.ConsumeRemainingBytesAsString();

  const auto result = qk::bazi::ReadBirthInput(panel);
  if (result.ok) {
    if (result.input.hour < 0 || result.input.hour > 23) std::abort();
    if (result.input.minute < 0 || result.input.minute > 59) std::abort();
  } else if (result.problem.message.empty()) {
    std::abort();
  }
  return 0;
}
