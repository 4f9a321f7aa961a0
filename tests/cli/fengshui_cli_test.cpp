#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/run_cli.h"

namespace {

using qk::test::RunCli;

std::string Line(const std::string& text, int index) {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) start = text.find('\n', start) + 1;
  return text.substr(start, text.find('\n', start) - start);
}

TEST(FengshuiCli, PrintsTheReadings) {
  const auto full = RunCli({"--today", "2024-05-01", "fengshui", "--sex", "女", "1980", "6", "15", "12", "5"});
  ASSERT_EQ(full.exitCode, 0) << full.err;
  EXPECT_EQ(Line(full.out, 1), "年龄：44岁");
  EXPECT_EQ(Line(full.out, 2), "您出生公历：1980年06月15日12点5分");
  EXPECT_EQ(Line(full.out, 16), "命主福元属巽卦，属于东四命，宜住坎宅、震宅、巽宅、离宅。");

  const auto xuankong = RunCli({"--today", "2024-05-01", "fengshui", "--xuankong", "--lunar", "1980", "1", "1", "23", "0"});
  ASSERT_EQ(xuankong.exitCode, 0) << xuankong.err;
  EXPECT_EQ(Line(xuankong.out, 2), "您出生公历：1980年02月16日23点0分");
  EXPECT_EQ(Line(xuankong.out, 11), "玄空流年宅运：");
  EXPECT_EQ(xuankong.out.size(), xuankong.out.rfind("玄空流年宅运：\n\n\n") + std::string("玄空流年宅运：\n\n\n").size());
}

TEST(FengshuiCli, RefusesBadInput) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"fengshui", "1981", "2", "29", "12", "0"}, "日期无效：1981-2-29\n"},
      {{"fengshui", "1980", "1", "1", "24", "0"}, "出生时辰无效：子 24（小时须在 0 至 23 之间，例如“午 12”）\n"},
      {{"fengshui", "--sex", "x", "1980", "1", "1", "2", "0"}, "性别应为“男”或“女”。\n"},
      {{"minggua", "1980", "x"}, "性别应为“男”或“女”。\n"},
      {{"minggua", "abc", "男"}, "年份无效：abc\n"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.err, c.message);
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_EQ(RunCli({"fengshui", "1980", "1", "1", "2"}).exitCode, 2);
}

TEST(FengshuiCli, WithoutItsDatabaseExitsWith3) {
  // A copy of the program in a directory without its reference databases.
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("qk_fengshui_cli_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::copy_file(QIANKUN_CLI_PATH, dir / "qiankun-cli", fs::copy_options::overwrite_existing);
  const std::string command = "'" + (dir / "qiankun-cli").string() + "' fengshui 1980 1 1 0 0 >'" +
                              (dir / "out").string() + "' 2>'" + (dir / "err").string() + "'";
  const int status = std::system(command.c_str());
  const std::string out = qk::test::Slurp(dir / "out"), err = qk::test::Slurp(dir / "err");
  fs::remove_all(dir);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_TRUE(out.empty());
  EXPECT_NE(err.find("Tgcode.dll"), std::string::npos) << err;
}

TEST(MingguaCli, PrintsTrigramAndGroup) {
  EXPECT_EQ(RunCli({"minggua", "1980", "男"}).out, "坤\t西四命\n");
  EXPECT_EQ(RunCli({"minggua", "2000", "女"}).out, "震\t东四命\n");
}

}  // namespace
