// qiankun-cli almanac: the summary line and the result pane of the almanac
// window, and its input messages.
#include <gtest/gtest.h>

#include "support/run_cli.h"

namespace {

using qk::test::RunCli;

TEST(AlmanacCli, PrintsSummaryThenResultPane) {
  const auto run = RunCli({"almanac", "2024", "2", "10"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "2024-2-10  农历正月初一 星期六 金匮黄道日\n"
            "岁次:甲辰年 丙寅月 甲辰日\n\n"
            "每日胎神占方:门鸡栖房内东\n\n"
            "五行:覆灯火 满执位\n\n"
            "冲:冲狗(戊戌)煞南\n\n"
            "彭祖百忌:甲不开仓财物耗散 辰不哭泣必主重丧\n\n"
            "吉神宜趋:守日 天巫 福德 六仪 金堂 金匮\n\n"
            "宜:嫁娶 开光 求嗣 会亲友 安床 牧养 塑绘 针灸\n\n"
            "凶神宜忌:厌对 招摇 九空 九坎 九焦 复日\n\n"
            "忌:入宅 移徙 出火 分居 安香 作灶 开市 交易 立券 安葬 动土 伐木\n");
}

TEST(AlmanacCli, TodayByDefault) {
  const auto run = RunCli({"--today", "2023-03-22", "almanac"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "2023-03-22  农历闰二月初一 星期三 明堂黄道日");
}

TEST(AlmanacCli, InputProblems) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"almanac", "2024", "02", "30"}, "请选择有效的日期!\n"},
      {{"almanac", "", "02", "10"}, "请选择年!\n"},
      {{"almanac", "2024", "02", " "}, "请选择日!\n"},
      {{"almanac", "2150", "1", "1"}, "黄历中没有 2150-1-1 这一天（收录 1901-01-01 至 2100-12-31）\n"},
  };
  for (const auto& c : cases) {
    const auto run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(RunCli({"almanac", "2024", "2"}).exitCode, 2);
}

}  // namespace
