// fengshui, minggua: the personal feng-shui reading from the command line.
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "calendar/sexagenary_tables.h"
#include "cli/cli_command.h"
#include "common/text.h"
#include "data/reference_db.h"
#include "fengshui/fengshui_report.h"
#include "fengshui/life_gua.h"
#include "fengshui/trigrams.h"

namespace qk::cli {
namespace {

// "午 12" for 12: the branch of the double hour, a blank, the clock hour. Text
// that is no hour 0-23 goes through as typed, so the report names it.
std::string HourItem(const std::string& hour) {
  long long value = 0;
  const std::string text = Trim(hour);
  if (!ParseInt(text, value, 2) || value < 0 || value > 23 || text[0] == '+' || text[0] == '-') return hour;
  const auto branch = static_cast<std::size_t>((value + 1) / 2 % 12);
  return std::string(calendar::BranchNames[branch]) + " " + std::to_string(value);
}

int RunFengshui(const Args& args, Context& context);
const Command kFengshui{"fengshui", "[--xuankong] [--lunar] [--sex 男/女] 年 月 日 时(0-23) 分",
                        "风水分析（--xuankong 为玄空分析），与主窗口结果栏的文字相同", RunFengshui};

int RunFengshui(const Args& args, Context& context) {
  PanelInput input;
  int variant = fengshui::kFullReading;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--xuankong") {
      variant = fengshui::kXuankong;
    } else if (args[i] == "--lunar") {
      input.dateKind = 1;
    } else if (args[i] == "--sex") {
      if (i + 1 >= args.size() || (args[i + 1] != "男" && args[i + 1] != "女"))
        return InputProblem(context, "性别应为“男”或“女”。");
      input.sex = args[++i];
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 5) return UsageProblem(context, kFengshui);
  input.year = positional[0];
  input.month = positional[1];
  input.day = positional[2];
  input.hour = HourItem(positional[3]);
  input.minute = positional[4];
  if (!data::IsUsable(data::RefDb::Tgcode)) return DataProblem(context, data::ReferenceFileName(data::RefDb::Tgcode));

  const ReportOutcome outcome = FengshuiReport(input, context.today, variant);
  if (outcome.kind != ReportOutcome::Kind::Report) return InputProblem(context, outcome.message);
  for (const auto& line : outcome.lines) context.out << line << "\n";
  return kExitOk;
}

int RunMinggua(const Args& args, Context& context);
const Command kMinggua{"minggua", "年 男/女", "命卦（按农历出生年）及其东四命或西四命", RunMinggua};

int RunMinggua(const Args& args, Context& context) {
  if (args.size() != 2) return UsageProblem(context, kMinggua);
  long long year = 0;
  if (!ParseInt(Trim(args[0]), year, 9)) return InputProblem(context, "年份无效：" + args[0]);
  if (args[1] != "男" && args[1] != "女") return InputProblem(context, "性别应为“男”或“女”。");
  const std::string_view gua = fengshui::GetMingGua(static_cast<int>(year), args[1] == "女");
  context.out << gua << "\t" << (fengshui::IsEastGroup(gua) ? "东四命" : "西四命") << "\n";
  return kExitOk;
}

QK_CLI_COMMAND(kFengshui);
QK_CLI_COMMAND(kMinggua);

}  // namespace
}  // namespace qk::cli
