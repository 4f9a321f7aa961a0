#include <gtest/gtest.h>

#include "divination/gua_lookup.h"
#include "support/run_cli.h"

namespace {

using qk::test::RunCli;

TEST(GuaCli, PrintsTheTitleThenTheTextByIdOrByCode) {
  const auto byId = RunCli({"gua", "--id", "16"});
  ASSERT_EQ(byId.exitCode, 0) << byId.err;
  const auto row = qk::divination::FindGuaById(16);
  ASSERT_TRUE(row.found());
  EXPECT_EQ(byId.out, "第17卦 泽雷随\n" + row.entry.text + "\n");
  EXPECT_EQ(RunCli({"gua", "--code", "011001"}).out, byId.out);
  EXPECT_EQ(RunCli({"gua", "--id", "0"}).out.rfind("第1卦 乾为天\n【卦象】", 0), 0u);
}

TEST(GuaCli, BadArgumentsAreInputProblems) {
  const std::vector<std::vector<std::string>> cases = {
      {"gua"}, {"gua", "--id"}, {"gua", "--id", "64"}, {"gua", "--id", "-1"}, {"gua", "--id", "x"},
      {"gua", "--code", "01100"}, {"gua", "--code", "0110012"}, {"gua", "--code", "01100x"},
      {"gua", "--name", "乾"},
  };
  for (const auto& args : cases) {
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

}  // namespace
