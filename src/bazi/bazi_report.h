#pragma once
// The 八字简析 report: the chart, luck columns and grids, element count,
// bone weight and personality comment of the birth on the input panel.
#include <string>
#include <string_view>
#include <vector>

#include "common/day_count.h"
#include "common/report.h"

namespace qk::bazi {

// The finished lines, a message for the panel's input, or Silent when a
// bone-weight table cannot be read. `today` gives the age.
ReportOutcome BaziReport(const PanelInput& input, const Ymd& today);

// Stem and branch of a year (the first two characters of its year text).
std::string YearGanzhiText(int year);
// "00岁", "07岁", "23岁".
std::string AgeLabel(int years);
// "金:占2个, 木:占1个, …" over the element characters of the text.
std::string ElementCountText(std::string_view elementText);
// Separator, empty line, "性格简评：", the birthday comment, empty line.
void AppendPersonalityComment(std::vector<std::string>& lines, int month, int day);

}  // namespace qk::bazi
