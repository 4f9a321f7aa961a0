#pragma once
// Commands of qiankun-cli. Each command file registers itself with
// QK_CLI_COMMAND, so adding a command touches no shared file.
#include <iosfwd>
#include <string>
#include <vector>

#include "common/day_count.h"

namespace qk::cli {

enum ExitCode { kExitOk = 0, kExitInput = 2, kExitData = 3 };

struct Context {
  Ymd today;  // from --today, else the local date
  std::ostream& out;
  std::ostream& err;
};

using Args = std::vector<std::string>;
using Handler = int (*)(const Args& args, Context& context);

struct Command {
  const char* name;
  const char* usage;    // arguments after the name
  const char* summary;  // one line for --help
  Handler run;
};

bool RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

// Prints an input problem (the message a window would show) and returns 2.
int InputProblem(Context& context, const std::string& message);
// Prints which reference file cannot be read and returns 3.
int DataProblem(Context& context, const std::string& fileName);
// Prints the command's usage and returns 2.
int UsageProblem(Context& context, const Command& command);

}  // namespace qk::cli

#define QK_CLI_CONCAT_INNER(a, b) a##b
#define QK_CLI_CONCAT(a, b) QK_CLI_CONCAT_INNER(a, b)
#define QK_CLI_COMMAND(...) \
  static const bool QK_CLI_CONCAT(qk_cli_registered_, __LINE__) = ::qk::cli::RegisterCommand(__VA_ARGS__)
