#pragma once
// Random input-panel texts for the report fuzzers: each box holds either one
// of its real items (so deep paths are reached) or arbitrary bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

#include "common/report.h"

namespace qk::fuzz {

inline std::string ItemOrBytes(FuzzedDataProvider& in, int low, int high) {
  if (in.ConsumeBool()) return std::to_string(in.ConsumeIntegralInRange<int>(low, high));
  return in.ConsumeRandomLengthString(24);
}

inline PanelInput RandomPanel(FuzzedDataProvider& in) {
  static constexpr std::array<const char*, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                          "午", "未", "申", "酉", "戌", "亥"};
  PanelInput panel;
  panel.sex = in.ConsumeBool() ? (in.ConsumeBool() ? "男" : "女") : in.ConsumeRandomLengthString(8);
  panel.dateKind = in.ConsumeIntegralInRange<int>(-1, 2);
  panel.year = ItemOrBytes(in, 1895, 2105);
  panel.month = ItemOrBytes(in, -1, 13);
  panel.day = ItemOrBytes(in, -1, 32);
  if (in.ConsumeBool()) {
    const int hour = in.ConsumeIntegralInRange<int>(0, 23);
    panel.hour = std::string(kBranches[static_cast<std::size_t>((hour + 1) / 2 % 12)]) + " " + std::to_string(hour);
  } else {
    panel.hour = in.ConsumeRandomLengthString(16);
  }
  panel.minute = ItemOrBytes(in, -1, 60);
  return panel;
}

}  // namespace qk::fuzz
