// jq YEAR: the 24 solar-term moments of a year from the JQ reference table.
#include <ostream>

#include "calendar/term_moments.h"
#include "cli/cli_command.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::cli {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

int RunJq(const Args& args, Context& context);

const Command kJq{"jq", "YEAR", "列出某年二十四节气的交节时刻（北京时间，取自节气表）", RunJq};

int RunJq(const Args& args, Context& context) {
  if (args.size() != 1) return UsageProblem(context, kJq);
  long long year = 0;
  if (!ParseInt(Trim(args[0]), year, 4) || year < kFirstYear || year > kLastYear)
    return InputProblem(context, "年份无效：" + args[0] + "（节气表收录 1900 至 2100 年）");
  const calendar::TermMoments table = calendar::TermMomentsOfYear(static_cast<int>(year));
  // A readable database without the year's 24 rows is as unusable as a
  // missing one: the table is incomplete.
  if (!table.ok() || table.moments.size() != 24) return DataProblem(context, data::ReferenceFileName(data::RefDb::Tgcode));
  for (const auto& moment : table.moments) context.out << moment.Name() << "\t" << moment.Text() << "\n";
  return kExitOk;
}

QK_CLI_COMMAND(kJq);

}  // namespace
}  // namespace qk::cli
