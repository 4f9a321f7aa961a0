// bazi: the 八字简析 report of a birth moment, as the result pane shows it.
#include <ostream>
#include <string>

#include "bazi/bazi_report.h"
#include "cli/cli_command.h"
#include "cli/panel_args.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::cli {
namespace {

int RunBazi(const Args& args, Context& context);

const Command kBazi{"bazi", "[--lunar] [--sex 男/女] YEAR MONTH DAY HOUR MINUTE",
                    "八字简析：四柱、大运流年、称骨与性格简评", RunBazi};

int RunBazi(const Args& args, Context& context) {
  int exitCode = kExitOk;
  const auto parsed = ParsePanelArgs(args, {}, context, kBazi, exitCode);
  if (!parsed) return exitCode;
  return FinishReport(context, bazi::BaziReport(parsed->input, context.today), {"dream.dll", "Tgcode.dll"});
}

QK_CLI_COMMAND(kBazi);

}  // namespace
}  // namespace qk::cli
