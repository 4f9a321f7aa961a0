#include "cli/panel_args.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "common/hour_items.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::cli {

std::string HourItemForClockHour(const std::string& hourText) {
  const std::string text = Trim(hourText);
  long long hour = -1;
  if (!ParseInt(text, hour, 2) || hour < 0 || hour > 23 || text[0] == '+' || text[0] == '-') return "子 " + text;
  return std::string(kHourItems[static_cast<std::size_t>(hour)]);
}

std::optional<PanelArgs> ParsePanelArgs(const Args& args, std::initializer_list<std::string_view> extraFlags,
                                        Context& context, const Command& command, int& exitCode) {
  PanelArgs parsed;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--lunar") {
      parsed.input.dateKind = 1;
    } else if (arg == "--sex") {
      if (i + 1 >= args.size() || (args[i + 1] != "男" && args[i + 1] != "女")) {
        exitCode = InputProblem(context, "性别应为“男”或“女”。");
        return std::nullopt;
      }
      parsed.input.sex = args[++i];
    } else if (std::find(extraFlags.begin(), extraFlags.end(), arg) != extraFlags.end()) {
      parsed.flags.insert(arg);
    } else if (arg.rfind("--", 0) == 0) {
      exitCode = UsageProblem(context, command);
      return std::nullopt;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 5) {
    exitCode = UsageProblem(context, command);
    return std::nullopt;
  }
  parsed.input.year = Trim(positional[0]);
  parsed.input.month = Trim(positional[1]);
  parsed.input.day = Trim(positional[2]);
  parsed.input.hour = HourItemForClockHour(positional[3]);
  // The reports read only the two characters after the branch, so "123"
  // would pass as hour 12: a longer text is no clock hour.
  if (Trim(positional[3]).size() > 2) {
    exitCode = InputProblem(context, "出生时辰无效：" + Trim(positional[3]) + "（小时须在 0 至 23 之间）");
    return std::nullopt;
  }
  parsed.input.minute = positional[4];  // as typed, like the minute box
  return parsed;
}

int FinishReport(Context& context, const ReportOutcome& outcome, std::initializer_list<const char*> files) {
  switch (outcome.kind) {
    case ReportOutcome::Kind::Report:
      for (const std::string& line : outcome.lines) context.out << line << "\n";
      return kExitOk;
    case ReportOutcome::Kind::Info:
    case ReportOutcome::Kind::Error: return InputProblem(context, outcome.message);
    case ReportOutcome::Kind::Silent: break;
  }
  const auto unusable = data::UnusableReferenceFiles();
  for (const char* file : files)
    if (std::find(unusable.begin(), unusable.end(), file) != unusable.end()) return DataProblem(context, file);
  return DataProblem(context, *files.begin());
}

}  // namespace qk::cli
