#pragma once
// The personal feng-shui report: 风水分析 (variant 0) and its short form
// 玄空分析 (variant 1).
#include <string>
#include <vector>

#include "common/day_count.h"
#include "common/report.h"

namespace qk::fengshui {

inline constexpr int kFullReading = 0;  // 风水分析
inline constexpr int kXuankong = 1;     // 玄空分析

// Everything the report prints about one person.
struct FengshuiFacts {
  int age = 0;
  Ymd birthDate;            // Gregorian
  std::string hourText;     // as entered
  std::string minuteText;   // the minute box as entered, blanks included
  std::string lunarText;    // e.g. 庚申(猴年)十一月十五
  std::string animal;       // 属相
  std::string starSign;     // 星座
  std::string mansion;      // 星宿
  std::string nayin;        // year na-yin, empty when the look-up found none
  std::string lifeTrigram;  // 命卦
};

// The report lines; variant 0 is the full reading, any other the 玄空 form.
std::vector<std::string> WriteFengshuiReport(const FengshuiFacts& facts, int variant);

}  // namespace qk::fengshui

namespace qk {

// The 风水分析 / 玄空分析 command of the main window: reads the panel, and
// gives the finished lines or the one message to show. `today` fixes the age.
ReportOutcome FengshuiReport(const PanelInput& input, const Ymd& today, int variant);

}  // namespace qk
