// qiankun-cli: the analyses of the program from the command line. Prints UTF-8
// on stdout, exactly what the corresponding window pane shows.
#include <algorithm>
#include <iostream>
#include <string>

#include "cli/cli_command.h"

namespace qk::cli {

std::vector<Command>& MutableCommands() {
  static std::vector<Command> commands;
  return commands;
}

bool RegisterCommand(const Command& command) {
  MutableCommands().push_back(command);
  return true;
}

const std::vector<Command>& Commands() { return MutableCommands(); }

int InputProblem(Context& context, const std::string& message) {
  context.err << message << "\n";
  return kExitInput;
}

int DataProblem(Context& context, const std::string& fileName) {
  context.err << "无法读取参考数据文件 " << fileName << "，请确认它完好地放在程序所在的文件夹中。\n";
  return kExitData;
}

int UsageProblem(Context& context, const Command& command) {
  context.err << "用法：qiankun-cli " << command.name << " " << command.usage << "\n";
  return kExitInput;
}

namespace {

void PrintHelp(std::ostream& out) {
  out << "用法：qiankun-cli [--today YYYY-MM-DD] 命令 参数…\n\n"
         "  --today YYYY-MM-DD  以该日为“今天”（年龄、默认日期与日历）\n"
         "  --help              显示本说明\n\n"
         "命令：\n";
  auto commands = Commands();
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return std::string(a.name) < b.name; });
  for (const auto& command : commands)
    out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
  out << "\n退出码：0 成功，2 输入有误，3 参考数据文件无法读取。\n";
}

}  // namespace
}  // namespace qk::cli

int main(int argc, char** argv) {
  using namespace qk::cli;
  std::ios::sync_with_stdio(false);
  Context context{qk::TodayLocal(), std::cout, std::cerr};
  int i = 1;
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(std::cout);
      return kExitOk;
    }
    if (arg == "--today") {
      const auto today = i + 1 < argc ? qk::ParseYmd(argv[i + 1]) : std::nullopt;
      if (!today) {
        std::cerr << "--today 需要一个有效日期，格式为 YYYY-MM-DD\n";
        return kExitInput;
      }
      context.today = *today;
      ++i;
      continue;
    }
    break;
  }
  if (i >= argc) {
    PrintHelp(std::cerr);
    return kExitInput;
  }
  const std::string name = argv[i];
  const auto& commands = Commands();
  const auto it = std::find_if(commands.begin(), commands.end(),
                               [&](const Command& command) { return name == command.name; });
  if (it == commands.end()) {
    std::cerr << "未知命令：" << name << "（qiankun-cli --help 列出全部命令）\n";
    return kExitInput;
  }
  const Args args(argv + i + 1, argv + argc);
  return it->run(args, context);
}
