#include <gtest/gtest.h>

#include "common/gbk.h"
#include "common/text.h"

namespace qk {
namespace {

TEST(Text, TrimRemovesBlanksAndControlsAtBothEnds) {
  EXPECT_EQ(Trim("  子 0\t\r\n"), "子 0");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("a b"), "a b");
}

TEST(Text, SplitAndJoinLines) {
  EXPECT_EQ(SplitLines("a\r\nb\n"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(JoinLines({"a", "b"}), "a\nb");
}

TEST(Text, ParseIntAcceptsSignAndDigitsOnly) {
  long long v = 0;
  EXPECT_TRUE(ParseInt("-5", v));
  EXPECT_EQ(v, -5);
  EXPECT_TRUE(ParseInt("0081", v));
  EXPECT_EQ(v, 81);
  EXPECT_TRUE(ParseInt("999999999999999999", v));
  EXPECT_FALSE(ParseInt("9999999999999999999", v));
  for (const char* bad : {"", "+", "1.5", "12a", " 1", "１２"}) EXPECT_FALSE(ParseInt(bad, v)) << bad;
}

TEST(Text, DoubleQuotes) { EXPECT_EQ(DoubleQuotes("c'1''"), "c''1''''"); }

TEST(Gbk, RoundTripAndByteCounts) {
  const auto gbk = Utf8ToGbk("午 12");
  ASSERT_TRUE(gbk);
  EXPECT_EQ(gbk->size(), 5u);
  EXPECT_EQ(GbkToUtf8(*gbk), "午 12");
  EXPECT_EQ(GbkByteLength("午 12"), 5u);
  EXPECT_EQ(GbkByteLength("abc张三"), 7u);
}

TEST(Gbk, SubstringCountsBytes) {
  EXPECT_EQ(GbkSubstring("午 12", 1, 2), "午");
  EXPECT_EQ(GbkSubstring("午 12", 4, 2), "12");
  EXPECT_EQ(GbkSubstring("子 0", 4, 2), "0");
  EXPECT_EQ(GbkSubstring("子 0", 9, 2), "");
  EXPECT_EQ(GbkSubstring("甲乙", 2, 2), "");  // starts inside 甲: its tail and the head of 乙 drop
}

TEST(Gbk, RejectsWhatGbkCannotHold) {
  EXPECT_FALSE(Utf8ToGbk("\xF0\x9F\x98\x80"));  // an emoji
  EXPECT_FALSE(Utf8ToGbk("\xFF"));
  EXPECT_FALSE(GbkToUtf8("\x81"));  // a lone lead byte
}

}  // namespace
}  // namespace qk
