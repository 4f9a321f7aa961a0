#include "bazi/bone_weight.h"

#include <gtest/gtest.h>

#include "reference_fixture.h"

namespace qk::bazi {
namespace {

TEST(BoneWeightKey, TakesLiangAndFirstDecimalDigit) {
  EXPECT_EQ(BoneWeightKey(4.5), "45");
  EXPECT_EQ(BoneWeightKey(3.0), "30");
  EXPECT_EQ(BoneWeightKey(7.0), "70");
  // Floating-point noise of the sum never changes the key.
  EXPECT_EQ(BoneWeightKey(0.5 + 0.5 + 0.7 + 1.4), "31");
  EXPECT_EQ(BoneWeightKey(5.000000000000001), "50");
  EXPECT_EQ(BoneWeightKey(0.0), "00");
}

TEST(BoneWeight, ReadsTheFourPartsAndTheVerse) {
  // 甲子 1984 1.2 + 一月 0.6 + 初三 0.8 + 午 1.0 = 3.6.
  const auto reading = ReadBoneWeight("1984", "1", "3", "12");
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->weightLine, "你的骨重为：3两6钱");
  EXPECT_EQ(reading->verseLine, "骨重诗评：不须劳碌过平生，独自成家福不轻，早有福星常照命，任君行去百般成。");
  EXPECT_EQ(reading->commentaryLine.rfind("骨重解评：", 0), 0u);
  EXPECT_GT(reading->commentaryLine.size(), std::string("骨重解评：").size());
  // 戊午 1918 1.9 + 三月 1.8 + 十八 1.8 + 子 1.6 = 7.1, the heaviest; 7 liang prints no 钱.
  EXPECT_EQ(BoneWeightText("1918", "3", "18", "0", BoneWeightMode::Weight), "你的骨重为：7两1钱");
  // 壬戌 1982 1.0 + 一月 0.6 + 十八 1.8 + 子 1.6 = 5.0.
  EXPECT_EQ(BoneWeightText("1982", "1", "18", "0", BoneWeightMode::Weight), "你的骨重为：5两");
}

TEST(BoneWeight, EveryCombinationHasAVerse) {
  // All years of the table, months, days and double hours reach a verse row.
  for (int year = 1900; year < 1960; ++year)
    for (int month : {1, 3, 5, 12})
      for (int day : {1, 18, 19, 30})
        for (int hour : {0, 1, 12}) {
          const auto reading =
              ReadBoneWeight(std::to_string(year), std::to_string(month), std::to_string(day), std::to_string(hour));
          ASSERT_TRUE(reading);
          ASSERT_FALSE(reading->verseLine.empty()) << year << " " << month << " " << day << " " << hour;
        }
}

class BoneWeightFixture : public test::ReferenceCopyFixture {};

TEST_F(BoneWeightFixture, MissingVerseRowGivesEmptyLines) {
  Exec("dream.dll", "delete from chenggu where weight = '36';");
  const auto reading = ReadBoneWeight("1984", "1", "3", "12");
  ASSERT_TRUE(reading);
  EXPECT_EQ(reading->weightLine, "");
  EXPECT_EQ(reading->verseLine, "");
  EXPECT_EQ(reading->commentaryLine, "");
}

TEST_F(BoneWeightFixture, UnreadableTableGivesNothing) {
  Exec("dream.dll", "drop table chenggu3;");
  EXPECT_FALSE(ReadBoneWeight("1984", "1", "3", "12"));
  RemoveFile("dream.dll");
  EXPECT_FALSE(BoneWeightText("1984", "1", "3", "12", BoneWeightMode::Verse));
}

}  // namespace
}  // namespace qk::bazi
