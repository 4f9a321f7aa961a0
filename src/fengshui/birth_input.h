#pragma once
// Reads the birth data of the main window's input panel for the feng-shui
// report: the checks and messages, then one Gregorian birth moment.
#include <string>
#include <variant>

#include "common/day_count.h"
#include "common/report.h"

namespace qk::fengshui {

struct BirthMoment {
  Ymd date;              // Gregorian, 1900-01-31 … 2100-12-31
  int hour = 0;          // 0-23
  std::string hourText;  // the hour digits of the hour item, as entered
  int minute = 0;        // 0-59
  std::string sex;       // the sex text, trimmed
  bool female = false;   // the sex box shows 女
};

// The birth moment, or the message to show (Info for a missing entry, Error
// for an entry that cannot be a birth moment). Nothing is computed before all
// of the input is known to be good.
std::variant<BirthMoment, ReportOutcome> ReadBirthMoment(const PanelInput& input);

}  // namespace qk::fengshui
