// bazi: the 八字简析 report of a birth moment, as the result pane shows it.
#include <ostream>
#include <string>

#include "app/input_panel_items.h"
#include "bazi/bazi_report.h"
#include "cli/cli_command.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::cli {
namespace {

// The input panel's hour item for a clock hour 0-23 (午 12). Any other text
// goes in behind a branch, as if typed into the box, and the report names
// the problem.
std::string HourItem(const std::string& hourText) {
  long long hour = -1;
  if (!ParseInt(hourText, hour, 2) || hour < 0 || hour > 23 || hourText[0] == '+' || hourText[0] == '-')
    return "子 " + hourText;
  return std::string(app::kHourItems[static_cast<std::size_t>(hour)]);
}

int RunBazi(const Args& args, Context& context);

const Command kBazi{"bazi", "[--lunar] [--sex 男/女] YEAR MONTH DAY HOUR MINUTE",
                    "八字简析：四柱、大运流年、称骨与性格简评", RunBazi};

int RunBazi(const Args& args, Context& context) {
  PanelInput panel;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lunar") {
      panel.dateKind = 1;
    } else if (args[i] == "--sex" && i + 1 < args.size() && (args[i + 1] == "男" || args[i + 1] == "女")) {
      panel.sex = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return UsageProblem(context, kBazi);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 5) return UsageProblem(context, kBazi);
  panel.year = Trim(positional[0]);
  panel.month = Trim(positional[1]);
  panel.day = Trim(positional[2]);
  panel.hour = HourItem(Trim(positional[3]));
  panel.minute = positional[4];

  const ReportOutcome outcome = bazi::BaziReport(panel, context.today);
  switch (outcome.kind) {
    case ReportOutcome::Kind::Report:
      for (const std::string& line : outcome.lines) context.out << line << "\n";
      return kExitOk;
    case ReportOutcome::Kind::Info:
    case ReportOutcome::Kind::Error:
      return InputProblem(context, outcome.message);
    case ReportOutcome::Kind::Silent:
      break;
  }
  // The report stops without a word only when a reference file cannot be read.
  for (const std::string& file : data::UnusableReferenceFiles())
    if (file == "dream.dll" || file == "Tgcode.dll") return DataProblem(context, file);
  return DataProblem(context, "dream.dll");
}

QK_CLI_COMMAND(kBazi);

}  // namespace
}  // namespace qk::cli
