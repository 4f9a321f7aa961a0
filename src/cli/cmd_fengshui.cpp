// fengshui, minggua: the personal feng-shui reading from the command line.
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "calendar/sexagenary_tables.h"
#include "cli/cli_command.h"
#include "cli/panel_args.h"
#include "common/text.h"
#include "data/reference_db.h"
#include "fengshui/fengshui_report.h"
#include "fengshui/life_gua.h"
#include "fengshui/trigrams.h"

namespace qk::cli {
namespace {

int RunFengshui(const Args& args, Context& context);
const Command kFengshui{"fengshui", "[--xuankong] [--lunar] [--sex 男/女] 年 月 日 时(0-23) 分",
                        "风水分析（--xuankong 为玄空分析），与主窗口结果栏的文字相同", RunFengshui};

int RunFengshui(const Args& args, Context& context) {
  int exitCode = kExitOk;
  const auto parsed = ParsePanelArgs(args, {"--xuankong"}, context, kFengshui, exitCode);
  if (!parsed) return exitCode;
  if (!data::IsUsable(data::RefDb::Tgcode)) return DataProblem(context, data::ReferenceFileName(data::RefDb::Tgcode));
  const int variant = parsed->flags.count("--xuankong") ? fengshui::kXuankong : fengshui::kFullReading;
  return FinishReport(context, FengshuiReport(parsed->input, context.today, variant), {"Tgcode.dll"});
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
