#pragma once
// The house-advice section of the 风水分析 report.
#include <string>
#include <string_view>
#include <vector>

namespace qk::fengshui {

// Between the sections of the feng-shui report: "<", 23 hyphens, 内容分隔线,
// 29 hyphens, ">".
inline constexpr std::string_view kSeparatorLine =
    "<-----------------------内容分隔线----------------------------->";

// Appends the section for a life trigram: its dwelling-advice block (none for
// a text that is not a trigram), then the door-and-stove judgements and the
// closing labels, which are the same for everyone.
void WriteHouseAdvice(std::string_view lifeTrigram, std::vector<std::string>& lines);

}  // namespace qk::fengshui
