// gua: the title and text of one hexagram, by ID or by line code.
#include <ostream>

#include "cli/cli_command.h"
#include "common/text.h"
#include "data/reference_db.h"
#include "divination/coin_cast.h"
#include "divination/gua_lookup.h"

namespace qk::cli {
namespace {

int RunGua(const Args& args, Context& context);

const Command kGua{"gua", "--id N | --code CODE", "按序号（0-63）或六位卦码显示一卦的卦名和卦文", RunGua};

int RunGua(const Args& args, Context& context) {
  if (args.size() != 2) return UsageProblem(context, kGua);
  divination::GuaLookup lookup;
  if (args[0] == "--id") {
    long long id = 0;
    if (!ParseInt(Trim(args[1]), id, 3) || id < 0 || id >= divination::kHexagramCount)
      return InputProblem(context, "卦的序号须为0到63之间的整数。");
    lookup = divination::FindGuaById(static_cast<int>(id));
  } else if (args[0] == "--code") {
    const std::string code = Trim(args[1]);
    if (!divination::IsGuaCode(code))
      return InputProblem(context, "卦码须为六位，每位为0或1（第1位为初爻，0为阳爻，1为阴爻）。");
    lookup = divination::FindGuaByCode(code);
  } else {
    return UsageProblem(context, kGua);
  }
  if (lookup.status == divination::GuaLookup::Status::Failed)
    return DataProblem(context, data::ReferenceFileName(data::RefDb::Tgcode));
  if (!lookup.found()) return InputProblem(context, "卦象数据中没有这一卦。");
  context.out << lookup.entry.title << "\n" << lookup.entry.text << "\n";
  return kExitOk;
}

QK_CLI_COMMAND(kGua);

}  // namespace
}  // namespace qk::cli
