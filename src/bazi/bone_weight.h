#pragma once
// The bone-weight reading (称骨): four weights looked up by lunar year, month,
// day and birth hour in dream.dll, summed, and the verse and commentary of
// the total.
#include <optional>
#include <string>
#include <string_view>

namespace qk::bazi {

// Two-character key of a total: the whole liang digit and the first decimal
// digit (4.5 -> "45", 3 -> "30"). The total is formatted with 15 significant
// digits first, so 3.0999999999999996 counts as 3.1.
std::string BoneWeightKey(double total);

enum class BoneWeightMode { Weight = 0, Verse = 1, Commentary = 2 };

struct BoneWeightReading {
  std::string weightLine;      // 你的骨重为：4两5钱
  std::string verseLine;       // 骨重诗评：…
  std::string commentaryLine;  // 骨重解评：…
};

// All three lines for one set of key texts. Each line is empty when the
// total has no verse row; nullopt when a table cannot be read at all.
std::optional<BoneWeightReading> ReadBoneWeight(std::string_view lunarYear, std::string_view lunarMonth,
                                                std::string_view lunarDay, std::string_view hour);

// One line of the reading by mode; nullopt as above.
std::optional<std::string> BoneWeightText(std::string_view lunarYear, std::string_view lunarMonth,
                                          std::string_view lunarDay, std::string_view hour, BoneWeightMode mode);

}  // namespace qk::bazi
