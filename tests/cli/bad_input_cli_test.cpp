// qiankun-cli against bad arguments: an input problem exits with 2 and says
// why on stderr (printing nothing on stdout); an argument a command can use
// exits with 0. Never a crash.
#include <gtest/gtest.h>

#include "support/bad_inputs.h"
#include "support/run_cli.h"

namespace {

using namespace qk::test;

struct Case {
  std::vector<std::string> args;
  int exitCode;
};

std::string Describe(const std::vector<std::string>& args) {
  std::string text;
  for (const auto& a : args) text += (a.size() > 30 ? a.substr(0, 30) + "…" : a) + " ";
  return text;
}

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.args));
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    if (c.exitCode == 2) {
      EXPECT_FALSE(run.err.empty());
      EXPECT_TRUE(run.out.empty()) << run.out;
    }
  }
}

TEST(CliBadInput, ReportCommands) {
  std::vector<Case> cases;
  for (const std::string command : {"bazi", "fengshui"}) {
    const auto with = [&](std::string y, std::string m, std::string d, std::string h, std::string mi) {
      return std::vector<std::string>{command, y, m, d, h, mi};
    };
    for (const std::string& bad : {std::string(), std::string("   "), std::string("abc"), std::string("-5"),
                                   kTwentyDigits, std::string("'"), kSqlInjection, kFullWidthDigits, kHugePaste}) {
      cases.push_back({with(bad, "1", "1", "12", "0"), 2});
      cases.push_back({with("1980", bad, "1", "12", "0"), 2});
      cases.push_back({with("1980", "1", bad, "12", "0"), 2});
      cases.push_back({with("1980", "1", "1", bad, "0"), 2});
      cases.push_back({with("1980", "1", "1", "12", bad), 2});
    }
    cases.push_back({with("1981", "2", "29", "12", "0"), 2});
    cases.push_back({with("1899", "12", "31", "12", "0"), 2});
    cases.push_back({with("2101", "1", "1", "12", "0"), 2});
    cases.push_back({with("1980", "1", "1", "24", "0"), 2});
    cases.push_back({with("1980", "1", "1", "123", "0"), 2});  // not hour 12
    cases.push_back({with("1980", "1", "1", "12", "60"), 2});
    cases.push_back({{command, "1980", "1"}, 2});  // too few arguments
    cases.push_back({{command, "--lunar", "1981", "6", "30", "12", "0"}, 2});  // 1981's sixth lunar month has 29 days
    cases.push_back({with("1980", "1", "1", "12", "0"), 0});
  }
  RunCases(cases);
}

TEST(CliBadInput, NumberCommands) {
  std::vector<Case> cases;
  for (const std::string command : {"qq", "number"}) {
    for (const std::string& bad : {std::string(), std::string("   "), std::string("abc"), kTwentyDigits,
                                   std::string("1981-2-29"), std::string("'"), kSqlInjection, kFullWidthDigits,
                                   kHugePaste})
      cases.push_back({{command, bad}, 2});
    cases.push_back({{command, "-5"}, 0});  // a signed number has the out-of-table verdict
    cases.push_back({{command}, 2});
  }
  for (const std::string& bad : {std::string(), std::string("abc"), std::string("-5"), kTwentyDigits,
                                 std::string("1899"), std::string("'"), kSqlInjection, kFullWidthDigits, kHugePaste})
    cases.push_back({{"mobile", bad}, 2});
  cases.push_back({{"netname", ""}, 2});
  cases.push_back({{"netname", "   "}, 2});
  cases.push_back({{"netname", kHugePaste}, 2});     // longer than the window's box takes
  cases.push_back({{"netname", kSqlInjection}, 2});  // 19 characters
  for (const std::string& name : {std::string("abc"), std::string("-5"), std::string("'"), std::string("x'; drop --"),
                                  kFullWidthDigits})
    cases.push_back({{"netname", name}, 0});
  RunCases(cases);
}

TEST(CliBadInput, CalendarAlmanacAndHexagramCommands) {
  std::vector<Case> cases;
  for (const std::string& bad : {std::string(), std::string("abc"), std::string("-5"), kTwentyDigits, std::string("'"),
                                 kSqlInjection, kFullWidthDigits, kHugePaste}) {
    cases.push_back({{"almanac", bad, "1", "1"}, 2});
    cases.push_back({{"almanac", "2000", "1", bad}, 2});
    cases.push_back({{"calendar", bad, "1"}, 2});
    cases.push_back({{"jq", bad}, 2});
    cases.push_back({{"terms", bad}, 2});
    cases.push_back({{"gua", "--id", bad}, 2});
    cases.push_back({{"gua", "--code", bad}, 2});
    if (bad != "-5") {
      cases.push_back({{"solar", bad, "1", "1"}, 2});
      cases.push_back({{"minggua", bad, "男"}, 2});
    }
    // An id without an article is no error: the viewer's empty page.
    cases.push_back({{"article", bad}, 0});
  }
  cases.push_back({{"solar", "-5", "1", "1"}, 0});  // no such lunar date: 0001-01-01
  cases.push_back({{"minggua", "-5", "男"}, 0});     // a year without its third and fourth digits counts as 1
  cases.push_back({{"almanac", "1981", "2", "29"}, 2});
  cases.push_back({{"gua", "--id", "64"}, 2});
  cases.push_back({{"no-such-command"}, 2});
  RunCases(cases);
}

}  // namespace
