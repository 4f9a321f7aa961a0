// qq, number, mobile, netname: the numerology windows' result fields.
#include <ostream>

#include "cli/cli_command.h"
#include "common/text.h"
#include "numerology/mobile_number.h"
#include "numerology/net_name.h"
#include "numerology/number81.h"

namespace qk::cli {
namespace {

int PrintNumberVerdict(const Args& args, Context& context, const Command& command, const char* numberLabel,
                       const char* emptyMessage) {
  if (args.size() != 1) return UsageProblem(context, command);
  const std::string number = numerology::UpperLatin(Trim(args[0]));
  if (number.empty()) return InputProblem(context, emptyMessage);
  const auto verdict = numerology::NumberVerdict81(number);
  if (!verdict) return InputProblem(context, numerology::NotAnIntegerMessage(number));
  const auto fields = numerology::SplitVerdict(*verdict);
  context.out << numberLabel << number << "\n"
              << "状态：" << fields.verdict << "\n"
              << "吉凶：" << fields.grade << "\n"
              << "具体表现：" << fields.personality << "\n";
  return kExitOk;
}

int RunQq(const Args& args, Context& context);
int RunNumber(const Args& args, Context& context);

const Command kQq{"qq", "NUMBER", "QQ号码测试：81数理的状态、吉凶与性格", RunQq};
const Command kNumber{"number", "NUMBER", "任意号码分析：81数理的状态、吉凶与性格", RunNumber};

int RunQq(const Args& args, Context& context) {
  return PrintNumberVerdict(args, context, kQq, "qq号码是：", "请输入你的QQ号码！");
}

int RunNumber(const Args& args, Context& context) {
  return PrintNumberVerdict(args, context, kNumber, "输入号码是：", "请输入你的号码！");
}

int RunMobile(const Args& args, Context& context);
const Command kMobile{"mobile", "NUMBER", "手机号码测算：按末四位查出状态、吉凶与具体表现", RunMobile};

int RunMobile(const Args& args, Context& context) {
  if (args.size() != 1) return UsageProblem(context, kMobile);
  const std::string number = numerology::UpperLatin(Trim(args[0]));
  if (const auto problem = numerology::MobileInputProblem(number)) return InputProblem(context, *problem);
  const auto result = numerology::LookupMobileVerdict(number);
  if (result.status == numerology::MobileLookup::Failed) return DataProblem(context, "dream.dll");
  const auto& v = result.verdict;
  context.out << "手机号码是：" << v.number << "\n"
              << "状态：" << v.title << "\n"
              << "吉凶：" << v.grade << "\n"
              << "具体表现：" << v.content << "\n";
  return kExitOk;
}

int RunNetName(const Args& args, Context& context);
const Command kNetName{"netname", "NAME", "网名与性格：按网名拼音的末字母给出性格", RunNetName};

int RunNetName(const Args& args, Context& context) {
  if (args.size() != 1) return UsageProblem(context, kNetName);
  const std::string name = numerology::UpperLatin(Trim(args[0]));
  if (const auto problem = numerology::NetNameInputProblem(name)) return InputProblem(context, *problem);
  const auto lines = numerology::AnalyseNetName(name);
  context.out << lines.nameLine << "\n" << lines.traitLine << "\n";
  return kExitOk;
}

QK_CLI_COMMAND(kQq);
QK_CLI_COMMAND(kNumber);
QK_CLI_COMMAND(kMobile);
QK_CLI_COMMAND(kNetName);

}  // namespace
}  // namespace qk::cli
