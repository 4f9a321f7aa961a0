// almanac [YEAR MONTH DAY]: a day's entry of the almanac, as the almanac
// window shows it: the summary line, then the result pane. Without a date it
// shows today, as the window does when it opens.
#include <ostream>

#include "calendar/almanac_lookup.h"
#include "cli/cli_command.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::cli {
namespace {

int RunAlmanac(const Args& args, Context& context);

const Command kAlmanac{"almanac", "[YEAR MONTH DAY]", "查看某日的黄道吉日（不写日期则为今天）", RunAlmanac};

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

int RunAlmanac(const Args& args, Context& context) {
  if (!args.empty() && args.size() != 3) return UsageProblem(context, kAlmanac);
  const calendar::AlmanacDate checked =
      args.empty() ? calendar::CheckAlmanacDate(std::to_string(context.today.year), TwoDigits(context.today.month),
                                                TwoDigits(context.today.day))
                   : calendar::CheckAlmanacDate(args[0], args[1], args[2]);
  if (!checked.message.empty()) return InputProblem(context, checked.message);

  const calendar::AlmanacLookup found = calendar::LookupAlmanac(checked.date);
  if (found.status == calendar::AlmanacLookupStatus::Failed)
    return DataProblem(context, data::ReferenceFileName(data::RefDb::KunFile));
  if (found.status == calendar::AlmanacLookupStatus::NoRow)
    return InputProblem(context, "黄历中没有 " + checked.key + " 这一天（收录 1901-01-01 至 2100-12-31）");

  context.out << calendar::AlmanacSummary(checked.key, found.entry) << "\n";
  for (const std::string& line : calendar::AlmanacResultLines(found.entry)) context.out << line << "\n";
  return kExitOk;
}

QK_CLI_COMMAND(kAlmanac);

}  // namespace
}  // namespace qk::cli
