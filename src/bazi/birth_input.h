#pragma once
// The birth data of the main window's input panel, checked and converted for
// the Four Pillars report: the Gregorian birth date (through the lunar
// calendar for 农历 input), its lunar date, hour and minute.
#include <string>

#include "calendar/lunar_date.h"
#include "common/day_count.h"
#include "common/report.h"

namespace qk::bazi {

struct BirthInput {
  Ymd date;                   // Gregorian birth date, 1900-01-31 … 2100-12-31
  calendar::LunarDate lunar;  // the lunar date of `date`
  int hour = 0;               // 0-23, the number of the hour item
  int minute = 0;             // 0-59
};

struct BirthInputResult {
  bool ok = false;
  BirthInput input;
  // When not ok: Info for a box left empty, Error for a value that is no
  // date or time (the message says which).
  ReportOutcome problem;
};

BirthInputResult ReadBirthInput(const PanelInput& panel);

}  // namespace qk::bazi
