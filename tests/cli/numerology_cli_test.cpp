#include <gtest/gtest.h>

#include <cstdlib>

#include "support/run_cli.h"

namespace {

using qk::test::RunCli;

TEST(NumerologyCli, QqAndNumberPrintTheFourFieldsAfterTheirLabels) {
  const auto qq = RunCli({"qq", "0081"});
  ASSERT_EQ(qq.exitCode, 0) << qq.err;
  EXPECT_EQ(qq.out,
            "qq号码是：0081\n"
            "状态：大展鸿图，信用得固，名利双收，可获成功\n"
            "吉凶：吉\n"
            "具体表现：主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。"
            "感情路上多采多姿。做事喜好凭个人直觉及预感做决定。\n");
  const auto other = RunCli({"number", "-5"});
  ASSERT_EQ(other.exitCode, 0) << other.err;
  EXPECT_EQ(other.out, "输入号码是：-5\n状态：\n吉凶：\n具体表现：对不起,此号不在分解之类。\n");
}

TEST(NumerologyCli, InputProblemsGoToStderrWithExitTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"qq", " "}, "请输入你的QQ号码！\n"},
      {{"number", ""}, "请输入你的号码！\n"},
      {{"number", "12a"}, "“12A”不是有效的整数，请只输入数字（最多18位）。\n"},
      {{"mobile", ""}, "请输入11位手机号码！\n"},
      {{"mobile", "1380013"}, "手机号码不足8位，无法测算，请输入完整的11位手机号码。\n"},
      {{"netname", " "}, "请输入你的网名！\n"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.args[0];
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(RunCli({"qq"}).exitCode, 2);
}

TEST(NumerologyCli, MobilePrintsTheStoredVerdict) {
  const auto run = RunCli({"mobile", "13800001234"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind("手机号码是：13800001234\n状态：灾难频仍，成功不易\n", 0), 0u) << run.out;  // key 34
  EXPECT_NE(run.out.find("\n吉凶：凶\n具体表现：此号数理多灾多难"), std::string::npos) << run.out;
}

TEST(NumerologyCli, MobileWithoutDatabaseExitsThree) {
  const auto dir = std::filesystem::temp_directory_path() / "qk_num_cli_copy";
  std::filesystem::create_directories(dir);
  const auto copy = dir / "qiankun-cli";
  std::filesystem::copy_file(QIANKUN_CLI_PATH, copy, std::filesystem::copy_options::overwrite_existing);
  // The copied program finds no reference files beside itself.
  const std::string command = copy.string() + " mobile 13800001234 >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  std::filesystem::remove_all(dir);
  EXPECT_EQ(WEXITSTATUS(status), 3);
}

TEST(NumerologyCli, NetNamePrintsNameAndTraitLines) {
  const auto run = RunCli({"netname", "abc"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "你的网名：ABC\n你的性格：可爱，较明显的自恋\n");
  EXPECT_EQ(RunCli({"netname", "星星⑩"}).out, "你的网名：星星⑩\n你的性格：煽情高手\n");
  EXPECT_EQ(RunCli({"netname", "猫\xF0\x9F\x98\xBA"}).out,
            "你的网名：猫\xF0\x9F\x98\xBA\n请重新输入网名，请不要输入特殊字符！\n");
}

}  // namespace
