// refcheck: which reference databases can be read.
#include <ostream>

#include "cli/cli_command.h"
#include "data/reference_db.h"

namespace qk::cli {
namespace {

int RunRefcheck(const Args& args, Context& context) {
  (void)args;
  int exitCode = kExitOk;
  for (data::RefDb db : data::kAllRefDbs) {
    const bool usable = data::IsUsable(db);
    context.out << data::ReferenceFileName(db) << "\t" << (usable ? "正常" : "无法读取") << "\n";
    if (!usable) exitCode = kExitData;
  }
  return exitCode;
}

QK_CLI_COMMAND({"refcheck", "", "检查四个参考数据文件能否读取", RunRefcheck});

}  // namespace
}  // namespace qk::cli
