#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/run_cli.h"

namespace {

namespace fs = std::filesystem;
using qk::test::RunCli;

TEST(JqCli, PrintsTheYearsTermsFromTheTable) {
  const auto run = RunCli({"jq", "2013"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_EQ(run.out.back(), '\n');
  ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 24);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "小寒\t2013-01-05 12:33:40");
  EXPECT_NE(run.out.find("\n立春\t2013-02-04 00:13:"), std::string::npos);
  EXPECT_NE(run.out.find("\n冬至\t2013-12-22 01:11:"), std::string::npos);
}

TEST(JqCli, RejectsABadYear) {
  for (const char* year : {"abc", "1899", "2101", "20130", ""}) {
    const auto run = RunCli({"jq", year});
    EXPECT_EQ(run.exitCode, 2) << year;
    EXPECT_TRUE(run.out.empty()) << year;
    EXPECT_NE(run.err.find("年份无效"), std::string::npos) << year << ": " << run.err;
  }
  EXPECT_EQ(RunCli({"jq"}).exitCode, 2);
  EXPECT_EQ(RunCli({"jq", "2013", "2014"}).exitCode, 2);
}

TEST(JqCli, AnUnreadableDatabaseExitsWith3) {
  // A copy of the program in a directory without its reference databases.
  const fs::path dir = fs::temp_directory_path() / ("qk_jq_cli_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::copy_file(QIANKUN_CLI_PATH, dir / "qiankun-cli", fs::copy_options::overwrite_existing);
  const std::string command = "'" + (dir / "qiankun-cli").string() + "' jq 2013 >'" + (dir / "out").string() +
                              "' 2>'" + (dir / "err").string() + "'";
  const int status = std::system(command.c_str());
  const std::string out = qk::test::Slurp(dir / "out"), err = qk::test::Slurp(dir / "err");
  fs::remove_all(dir);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_TRUE(out.empty());
  EXPECT_NE(err.find("Tgcode.dll"), std::string::npos) << err;
}

}  // namespace
