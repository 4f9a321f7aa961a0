#include <gtest/gtest.h>

#include "bazi/bazi_report.h"
#include "support/run_cli.h"

namespace {

std::string ReportText(const qk::PanelInput& panel) {
  const qk::ReportOutcome outcome = qk::bazi::BaziReport(panel, qk::Ymd{2024, 6, 1});
  std::string text;
  for (const std::string& line : outcome.lines) text += line + "\n";
  return text;
}

TEST(BaziCli, PrintsTheReportOfTheWindow) {
  qk::PanelInput panel;
  panel.sex = "女";
  panel.dateKind = 1;
  panel.year = "1990";
  panel.month = "5";
  panel.day = "21";
  panel.hour = "巳 9";
  panel.minute = "30";
  const auto run = qk::test::RunCli({"--today", "2024-06-01", "bazi", "--lunar", "--sex", "女", "1990", "5", "21", "9", "30"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, ReportText(panel));
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "年龄：34岁");
}

TEST(BaziCli, DefaultsToGregorianMaleAndFormsTheHourItem) {
  const auto run = qk::test::RunCli({"--today", "2024-06-01", "bazi", "2021", "2", "3", "23", "30"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("您出生公历：2021年02月03日23点30分\n"), std::string::npos);
  EXPECT_NE(run.out.find("八字：辛丑   庚寅   壬午   庚子\n"), std::string::npos);
}

TEST(BaziCli, InputProblemsExitWithTwo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"bazi", "1981", "2", "29", "0", "0"}, "日期无效：1981-2-29"},
      {{"bazi", "1980", "1", "1", "25", "0"}, "出生时辰无效：子 25"},
      {{"bazi", "--lunar", "2023", "1", "30", "0", "0"}, "农历日期无效：2023年1月30日"},
      {{"bazi", "1980", "1", "1", "0"}, "用法：qiankun-cli bazi"},
      {{"bazi", "--sex", "x", "1980", "1", "1", "0", "0"}, "性别应为“男”或“女”。"},
  };
  for (const auto& c : cases) {
    const auto run = qk::test::RunCli(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
