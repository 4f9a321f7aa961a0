#pragma once
// Looking up a day's entry in the reference table huangdao, as the almanac
// window and the command line do it: check the typed date, read the row,
// lay out the result lines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/almanac_entry.h"
#include "common/day_count.h"

namespace qk::calendar {

inline constexpr std::string_view kAskYear = "请选择年!";
inline constexpr std::string_view kAskMonth = "请选择月!";
inline constexpr std::string_view kAskDay = "请选择日!";
inline constexpr std::string_view kAskValidDate = "请选择有效的日期!";

struct AlmanacDate {
  std::string key;      // year-month-day as typed (trimmed), e.g. 2012-3-5
  Ymd date;             // the day it names
  std::string message;  // non-empty when the texts name no day: what to tell the user
};

// Trims the three texts and checks them in order: year, month, day, then the
// whole date (year-month-day with "-", month and day of one or two digits).
AlmanacDate CheckAlmanacDate(std::string_view year, std::string_view month, std::string_view day);

enum class AlmanacLookupStatus { Found, NoRow, Failed };

struct AlmanacLookup {
  AlmanacLookupStatus status = AlmanacLookupStatus::Failed;
  AlmanacEntry entry;
};

// Reads the row of the day from KunFile.dll. Rows are keyed YYYY-MM-DD, so
// 2012-3-5 and 2012-03-05 find the same row.
AlmanacLookup LookupAlmanac(const Ymd& date);

// The summary line: the typed key, two blanks, nn.
std::string AlmanacSummary(std::string_view key, const AlmanacEntry& entry);

// The result pane: each field after its label with a single-byte colon, an
// empty line between fields, none after the last.
std::vector<std::string> AlmanacResultLines(const AlmanacEntry& entry);

}  // namespace qk::calendar
