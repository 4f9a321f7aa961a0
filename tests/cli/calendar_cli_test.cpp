// qiankun-cli lunar, solar, terms and calendar, end to end.
#include <gtest/gtest.h>

#include <string>

#include "common/day_count.h"
#include "common/text.h"
#include "support/run_cli.h"

namespace qk::test {
namespace {

TEST(CalendarCli, LunarPrintsRecordAndReportForm) {
  const CliRun run = RunCli({"lunar", "2023-03-22", "1900-01-30", "2100-12-31", "1984-2-2"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "2023 2 1 1\t癸卯(兔年)闰二月初一\n"
            "0 0 0 0\n"
            "2100 12 1 0\t庚申(猴年)十二月初一\n"
            "1984 1 1 0\t甲子(鼠年)一月初一\n");
}

TEST(CalendarCli, LunarConvertsTheWholeRangeFromStdinInOneProcess) {
  std::string input;
  int count = 0;
  for (int x = DayNumber(1900, 1, 31); x <= DayNumber(2100, 12, 31); ++x, ++count)
    input += FormatYmd(YmdFromDayNumber(x)) + (x % 2 ? "\r\n" : "\n");
  input += "\n";  // a trailing blank line is skipped
  const CliRun run = RunCli({"lunar", "-"}, input);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = SplitLines(run.out);
  ASSERT_EQ(count, 73384);
  ASSERT_EQ(lines.size(), 73385u);  // the final newline leaves an empty piece
  EXPECT_EQ(lines.front(), "1900 1 1 0\t庚子(鼠年)一月初一");
  EXPECT_EQ(lines[73383], "2100 12 1 0\t庚申(猴年)十二月初一");
}

TEST(CalendarCli, BadInputIsReportedAndPrintsNothing) {
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string message;
  } cases[] = {
      {{"lunar", "2023-01-01", "1981-2-29"}, "", "日期无效：1981-2-29\n"},
      {{"lunar", "-"}, "2023-01-01\nabc\n", "日期无效：abc\n"},
      {{"solar", "2023", "二", "1"}, "", "“二”不是有效的整数\n"},
      {{"solar", "2023", "1", "99999999999"}, "", "“99999999999”不是有效的整数\n"},
      {{"terms", "0"}, "", "年份须为 1 到 9999 之间的整数：0\n"},
      {{"calendar", "1900", "1"}, "", "年份须为 1901 到 2050 之间的整数：1900\n"},
      {{"calendar", "2024", "13"}, "", "月份须为 1 到 12 之间的整数：13\n"},
      {{"calendar", "2024", "2", "--day", "32"}, "", "日须为 1 到 31 之间的整数：32\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
  for (const std::vector<std::string>& args : {std::vector<std::string>{"lunar"}, {"solar", "2023", "1"},
                                               {"terms"}, {"calendar", "2024"}, {"calendar", "2024", "2", "--day"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("用法：qiankun-cli " + args[0]), std::string::npos) << run.err;
  }
}

TEST(CalendarCli, SolarConvertsOrGivesYearOne) {
  const struct {
    std::vector<std::string> args;
    const char* out;
  } cases[] = {
      {{"solar", "2023", "2", "10"}, "2023-03-01\n"},  {{"solar", "2023", "2", "10", "--leap"}, "2023-03-31\n"},
      {{"solar", "--leap", "2023", "3", "1"}, "0001-01-01\n"}, {{"solar", "1900", "1", "1"}, "0001-01-01\n"},
      {{"solar", "2099", "12", "30"}, "2100-02-08\n"},  {{"solar", "-2147483648", "0", "-1"}, "0001-01-01\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.out) << c.args[1];
  }
}

TEST(CalendarCli, TermsListsTheFormulaMoments) {
  const CliRun run = RunCli({"terms", "1900"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "0\t小寒\t1900-01-06 02:05:00");
  // 02:52:00.863: the clock shows whole seconds.
  const auto lines2024 = SplitLines(RunCli({"terms", "2024"}).out);
  ASSERT_EQ(lines2024.size(), 25u);
  EXPECT_EQ(lines2024[0], "0\t小寒\t2024-01-06 02:52:00");
  EXPECT_EQ(lines2024[2], "2\t立春\t2024-02-04 14:39:00");
  EXPECT_EQ(lines2024[23], "23\t冬至\t2024-12-21 15:30:00");
}

TEST(CalendarCli, CalendarPrintsTheMonthPage) {
  const CliRun run = RunCli({"--today", "2024-01-31", "calendar", "2024", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 31u);  // header, 29 days, final empty piece
  EXPECT_EQ(lines[0], "2024年2月\t辰龙\t双鱼座");  // 31 January carried over: the 29th is selected
  EXPECT_EQ(lines[4], "4\t立春\t#5353FF");
  EXPECT_EQ(lines[9], "9\t除夕\t#FF8000");
  EXPECT_EQ(lines[11], "11\t初二\t#004000");
  EXPECT_EQ(lines[14], "14\t情人节\t#FF8000");

  const CliRun march = RunCli({"calendar", "2023", "3", "--day", "22"});
  ASSERT_EQ(march.exitCode, 0) << march.err;
  EXPECT_EQ(SplitLines(march.out)[0], "2023年3月\t卯兔\t白羊座");
  EXPECT_EQ(SplitLines(march.out)[22], "22\t闰二\t#FF0000");
}

}  // namespace
}  // namespace qk::test
