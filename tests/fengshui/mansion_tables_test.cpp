#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fengshui/lunar_mansions.h"
#include "fengshui/star_table.h"
#include "fengshui/trigrams.h"

namespace qk::fengshui {
namespace {

TEST(Groups, EastFourAndWestFour) {
  for (std::string_view t : {"坎", "震", "巽", "离"}) EXPECT_TRUE(IsEastGroup(t)) << t;
  for (std::string_view t : {"乾", "坤", "艮", "兑", "", "东"}) EXPECT_FALSE(IsEastGroup(t)) << t;
}

TEST(StarTable, SpotChecksAndShape) {
  EXPECT_EQ(StarOf("坎", "巽"), "生气");
  EXPECT_EQ(StarOf("离", "兑"), "五鬼");
  EXPECT_EQ(StarOf("乾", "坤"), "延年");
  EXPECT_EQ(StarOf("兑", "坤"), "天乙");
  EXPECT_EQ(StarOf("坎", "x"), "");
  for (std::string_view house : kDoorOrder) {
    // 伏位 sits on the house's own palace and nowhere else; each star once.
    std::set<std::string_view> stars;
    for (std::string_view palace : kPalaceOrder) {
      stars.insert(StarOf(house, palace));
      EXPECT_EQ(StarOf(house, palace) == "伏位", palace == house) << house << palace;
      // The relation between two trigrams does not depend on which is the house.
      EXPECT_EQ(StarOf(house, palace), StarOf(palace, house)) << house << palace;
    }
    EXPECT_EQ(stars.size(), 8u) << house;
  }
}

TEST(StarTable, MemoGuaLinesAreIndexedByHouseThenPalace) {
  const auto lines = MemoGuaLines();
  ASSERT_EQ(lines.size(), 64u);
  EXPECT_EQ(lines[0], "巽:坎,生气");
  EXPECT_EQ(lines[8 * DoorIndex("兑") + PalaceIndex("离")], "离:兑,五鬼");
  EXPECT_EQ(lines[63], "兑:离,五鬼");
}

TEST(StarTable, HouseGrids) {
  const std::vector<std::string> kan{"　　  巽宫   离宫   坤宫", "　　│生气│延年│绝命│", "震宫│天乙│坎宅│祸害│兑宫",
                                     "　　│五鬼│伏位│六煞│", "　　  艮宫   坎宫   乾宫"};
  EXPECT_EQ(HouseGridLines("坎"), kan);
  const std::vector<std::string> li{"　　  巽宫   离宫   坤宫", "　　│天乙│伏位│六煞│", "震宫│生气│离宅│五鬼│兑宫",
                                    "　　│祸害│延年│绝命│", "　　  艮宫   坎宫   乾宫"};
  EXPECT_EQ(HouseGridLines("离"), li);
  EXPECT_TRUE(HouseGridLines("东").empty());
}

TEST(LunarMansions, TableFollowsTheRule) {
  const auto lines = MemoXingsuLines();
  ASSERT_EQ(lines.size(), 30u);
  EXPECT_EQ(lines[0], "室奎胃毕参鬼张角氐心斗虚");
  EXPECT_EQ(lines[1], "壁娄昴觜井柳翼亢房尾女危");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(lines[27 + i], lines[i]);
  for (const auto& line : lines) EXPECT_EQ(line.size(), 12u * 3u) << line;  // twelve CJK characters
}

TEST(LunarMansions, Cases) {
  EXPECT_EQ(LunarMansion(12, 8), "昴");
  EXPECT_EQ(LunarMansion(12, 30), "室");
  EXPECT_EQ(LunarMansion(1, 1), "室");
  EXPECT_EQ(LunarMansion(8, 1), "角");
  EXPECT_EQ(LunarMansion(7, 4), "角");  // wraps after 轸
  EXPECT_EQ(LunarMansion(0, 1), "");
  EXPECT_EQ(LunarMansion(1, 31), "");
}

}  // namespace
}  // namespace qk::fengshui
