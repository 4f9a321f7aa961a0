#pragma once
// The birth-moment arguments shared by the report commands:
//   [--lunar] [--sex 男/女] [flags…] YEAR MONTH DAY HOUR MINUTE
// turned into the input panel's texts, and a report outcome turned into output
// and an exit code.
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "cli/cli_command.h"
#include "common/report.h"

namespace qk::cli {

struct PanelArgs {
  PanelInput input;
  std::set<std::string> flags;  // the extra flags that were given
};

// nullopt after printing the problem (exitCode set) when the arguments are off.
std::optional<PanelArgs> ParsePanelArgs(const Args& args, std::initializer_list<std::string_view> extraFlags,
                                        Context& context, const Command& command, int& exitCode);

// The hour item of the panel for a clock hour 0-23 ("午 12"); any other text
// goes in behind a branch, as if typed into the box, so the report names it.
std::string HourItemForClockHour(const std::string& hourText);

// Prints the report's lines (exit 0) or its message (exit 2). A report that
// ended without a word could not read one of `files`: exit 3 naming it.
int FinishReport(Context& context, const ReportOutcome& outcome, std::initializer_list<const char*> files);

}  // namespace qk::cli
