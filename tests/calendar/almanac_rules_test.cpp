// The fixed day rules, checked on pillars worked out by hand from the
// classical rules (煞 by branch triad, 天克地冲 clash, 建 on the month branch,
// 青龙 on 子 in the 寅 month).
#include <gtest/gtest.h>

#include "calendar/almanac_rules.h"

namespace qk::calendar {
namespace {

TEST(AlmanacRules, PillarNumbersFollowStemAndBranch) {
  EXPECT_EQ(PillarOf(0, 0), 0);    // 甲子
  EXPECT_EQ(PillarOf(4, 6), 54);   // 戊午
  EXPECT_EQ(PillarOf(9, 11), 59);  // 癸亥
  EXPECT_EQ(PillarOf(0, 1), -1);   // 甲丑 does not exist
  EXPECT_EQ(PillarName(40), "甲辰");
}

struct DayRuleCase {
  int pillar;
  const char* naYin;
  const char* fetalGod;
  const char* clash;
  const char* pengZu;
};

TEST(AlmanacRules, DayPillarTexts) {
  const DayRuleCase cases[] = {
      {0, "海中金", "占门碓外东南", "冲马(戊午)煞南", "甲不开仓财物耗散 子不问卜自惹祸殃"},
      {15, "城头土", "占大门外正西", "冲鸡(癸酉)煞西", "己不破券二比并亡 卯不穿井水泉不香"},
      {34, "平地木", "房床栖房内中", "冲龙(壬辰)煞北", "戊不受田田主不祥 戌不吃犬作怪上床"},
      {40, "覆灯火", "门鸡栖房内东", "冲狗(戊戌)煞南", "甲不开仓财物耗散 辰不哭泣必主重丧"},
      {43, "天河水", "仓库厕房内东", "冲牛(辛丑)煞西", "丁不剃头头必生疮 未不服药毒气入肠"},
      {57, "石榴木", "厨灶门外东南", "冲兔(乙卯)煞东", "辛不合酱主人不尝 酉不会客醉坐颠狂"},
      {59, "大海水", "占房床外东南", "冲蛇(丁巳)煞西", "癸不词讼理弱敌强 亥不嫁娶不利新郎"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(PillarName(c.pillar));
    EXPECT_EQ(NaYin(c.pillar), c.naYin);
    EXPECT_EQ(FetalGodPlace(c.pillar), c.fetalGod);
    EXPECT_EQ(ClashText(c.pillar), c.clash);
    EXPECT_EQ(PengZuTaboos(c.pillar), c.pengZu);
  }
}

TEST(AlmanacRules, DayOfficerStartsOnTheMonthBranch) {
  EXPECT_EQ(DutyName(DutyOfDay(2, 2)), "建");   // 寅 month, 寅 day
  EXPECT_EQ(DutyName(DutyOfDay(2, 4)), "满");   // 寅 month, 辰 day
  EXPECT_EQ(DutyName(DutyOfDay(2, 1)), "闭");   // 寅 month, 丑 day
  EXPECT_EQ(DutyName(DutyOfDay(0, 11)), "闭");  // 子 month, 亥 day
  EXPECT_EQ(DutyName(DutyOfDay(1, 9)), "成");   // 丑 month, 酉 day
}

TEST(AlmanacRules, DaySpiritOfTheYellowAndBlackPaths) {
  struct Case {
    int month, day;
    const char* spirit;
    bool yellow;
  };
  const Case cases[] = {
      {2, 0, "青龙", true},   // 寅 month: 青龙 on 子
      {2, 4, "金匮", true},   // … 辰 is the fifth spirit
      {3, 2, "青龙", true},   // 卯 month: 青龙 on 寅
      {8, 0, "青龙", true},   // 申 month repeats 寅
      {0, 8, "青龙", true},   // 子 month: 青龙 on 申
      {1, 10, "青龙", true},  // 丑 month: 青龙 on 戌
      {1, 9, "勾陈", false},  // … the day before is the last spirit
      {4, 6, "天刑", false},  // 辰 month: 青龙 on 辰, 午 is third
      {0, 10, "天刑", false},
  };
  for (const auto& c : cases) {
    const int spirit = SpiritOf(c.month, c.day);
    EXPECT_EQ(SpiritName(spirit), c.spirit) << c.month << "/" << c.day;
    EXPECT_EQ(IsYellowPath(spirit), c.yellow) << c.spirit;
  }
}

}  // namespace
}  // namespace qk::calendar
