// lunar, solar, terms, calendar: the Chinese calendar from the command line.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "calendar/day_cell.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "calendar/sexagenary_tables.h"
#include "calendar/solar_term_formula.h"
#include "cli/cli_command.h"
#include "common/day_count.h"
#include "common/text.h"

namespace qk::cli {
namespace {

using namespace qk::calendar;

std::optional<int> ParseIntArg(const std::string& text) {
  long long value = 0;
  if (!ParseInt(Trim(text), value, 18) || value < std::numeric_limits<int>::min() ||
      value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> ParseIntIn(const std::string& text, int low, int high) {
  const auto value = ParseIntArg(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

void AppendLunarLine(std::string& out, const Ymd& date) {
  const LunarDate lunar = SolarToLunar(DayNumber(date));
  if (lunar == kNoLunarDate) {
    out += "0 0 0 0\n";
    return;
  }
  out += std::to_string(lunar.year) + ' ' + std::to_string(lunar.month) + ' ' + std::to_string(lunar.day) + ' ' +
         (lunar.isLeap ? '1' : '0') + '\t' + LunarDateText(lunar) + '\n';
}

// Dates come from the arguments, and from standard input (one a line, blank
// lines skipped) where an argument is "-". Every date is checked before
// anything is printed, so a bad one leaves no partial output.
int RunLunar(const Args& args, Context& context);
const Command kLunar{"lunar", "日期… | -", "公历日期（YYYY-MM-DD）转农历；“-”从标准输入逐行读取日期", RunLunar};

int RunLunar(const Args& args, Context& context) {
  if (args.empty()) return UsageProblem(context, kLunar);
  std::vector<Ymd> dates;
  auto take = [&](const std::string& raw) {
    const std::string text = Trim(raw);
    const auto date = ParseYmd(text);
    if (!date) return false;
    dates.push_back(*date);
    return true;
  };
  for (const auto& arg : args) {
    if (arg != "-") {
      if (!take(arg)) return InputProblem(context, "日期无效：" + arg);
      continue;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
      if (Trim(line).empty()) continue;
      if (!take(line)) return InputProblem(context, "日期无效：" + Trim(line));
    }
  }
  std::string out;
  out.reserve(dates.size() * 40);
  for (const auto& date : dates) AppendLunarLine(out, date);
  context.out << out;
  return kExitOk;
}

int RunSolar(const Args& args, Context& context);
const Command kSolar{"solar", "年 月 日 [--leap]", "农历日期转公历（无效的农历日期给出 0001-01-01）", RunSolar};

int RunSolar(const Args& args, Context& context) {
  Args numbers;
  bool leap = false;
  for (const auto& arg : args) {
    if (arg == "--leap")
      leap = true;
    else
      numbers.push_back(arg);
  }
  if (numbers.size() != 3) return UsageProblem(context, kSolar);
  int parts[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto value = ParseIntArg(numbers[static_cast<std::size_t>(i)]);
    if (!value) return InputProblem(context, "“" + numbers[static_cast<std::size_t>(i)] + "”不是有效的整数");
    parts[i] = *value;
  }
  const int day = LunarToSolar({parts[0], parts[1], parts[2], leap});
  context.out << FormatYmd(YmdFromDayNumber(day)) << "\n";
  return kExitOk;
}

std::string FormatDateTime(DateTime moment) {
  const long long ms = std::llround(moment * 86400000.0);
  const long long seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
  const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const int inDay = static_cast<int>(seconds - days * 86400);  // 0 … 86399
  char clock[32];
  std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", inDay / 3600, inDay / 60 % 60, inDay % 60);
  return FormatYmd(YmdFromDayNumber(static_cast<int>(days))) + clock;
}

int RunTerms(const Args& args, Context& context);
const Command kTerms{"terms", "年", "按节气公式列出该公历年的二十四节气时刻", RunTerms};

int RunTerms(const Args& args, Context& context) {
  if (args.size() != 1) return UsageProblem(context, kTerms);
  const auto year = ParseIntIn(args[0], 1, 9999);
  if (!year) return InputProblem(context, "年份须为 1 到 9999 之间的整数：" + args[0]);
  std::string out;
  for (int n = 0; n < 24; ++n)
    out += std::to_string(n) + '\t' + std::string(SolarTermNames[static_cast<std::size_t>(n)]) + '\t' +
           FormatDateTime(SolarTermMoment(*year, n)) + '\n';
  context.out << out;
  return kExitOk;
}

int RunCalendar(const Args& args, Context& context);
const Command kCalendar{"calendar", "年 月 [--day 日]",
                        "万年历的一页：首行年月、生肖与所选日的星座，其后每日一行（日、农历栏文字、颜色）",
                        RunCalendar};

int RunCalendar(const Args& args, Context& context) {
  Args numbers;
  std::optional<std::string> dayText;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--day") {
      if (i + 1 >= args.size()) return UsageProblem(context, kCalendar);
      dayText = args[++i];
    } else {
      numbers.push_back(args[i]);
    }
  }
  if (numbers.size() != 2) return UsageProblem(context, kCalendar);
  const auto year = ParseIntIn(numbers[0], 1901, 2050);
  if (!year) return InputProblem(context, "年份须为 1901 到 2050 之间的整数：" + numbers[0]);
  const auto month = ParseIntIn(numbers[1], 1, 12);
  if (!month) return InputProblem(context, "月份须为 1 到 12 之间的整数：" + numbers[1]);
  // Like the calendar window: the day carries over and is clamped to the month.
  int day = context.today.day;
  if (dayText) {
    const auto given = ParseIntIn(*dayText, 1, 31);
    if (!given) return InputProblem(context, "日须为 1 到 31 之间的整数：" + *dayText);
    day = *given;
  }
  const MonthPage page = MonthPageOf(*year, *month, day);
  std::string out = std::to_string(page.year) + "年" + std::to_string(page.month) + "月\t" + page.zodiac + '\t' +
                    page.starSign + '\n';
  for (std::size_t d = 0; d < page.days.size(); ++d)
    out += std::to_string(d + 1) + '\t' + page.days[d].text + '\t' + page.days[d].colour + '\n';
  context.out << out;
  return kExitOk;
}

QK_CLI_COMMAND(kLunar);
QK_CLI_COMMAND(kSolar);
QK_CLI_COMMAND(kTerms);
QK_CLI_COMMAND(kCalendar);

}  // namespace
}  // namespace qk::cli
