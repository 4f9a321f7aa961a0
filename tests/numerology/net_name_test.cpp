#include <gtest/gtest.h>

#include "numerology/net_name.h"

namespace qk::numerology {
namespace {

TEST(NetName, LastLetterPicksTheTrait) {
  const struct {
    const char* name;
    const char* letter;  // "" = empty trait
  } cases[] = {
      {"abc", "c"},   {"ABC", "c"},       {"kk5", "e"},     {"kk0", "j"},   {"小张", "z"},
      {"abc!", "c"},  {"ab兙", ""},       {"星⑩", "j"},     {"!", ""},      {"！？", ""},
      {"Ωmega", "a"}, {"ｂｏｂ", "b"},    {"李Ω", "o"},     {"a 1", "a"},
  };
  for (const auto& c : cases) {
    const NetNameLines lines = AnalyseNetName(c.name);
    EXPECT_EQ(lines.nameLine, std::string("你的网名：") + c.name);
    EXPECT_EQ(lines.traitLine, "你的性格：" + std::string(NetNameTrait(c.letter))) << c.name;
  }
}

TEST(NetName, TextOutsideGbkShowsTheFailureText) {
  const NetNameLines lines = AnalyseNetName("猫\xF0\x9F\x98\xBA");
  EXPECT_EQ(lines.nameLine, "你的网名：猫\xF0\x9F\x98\xBA");
  EXPECT_EQ(lines.traitLine, "请重新输入网名，请不要输入特殊字符！");
}

TEST(NetNameTrait, OnlyOneLowerCaseLetterIsAKey) {
  EXPECT_EQ(NetNameTrait("a"), "好奇心强，专一");
  EXPECT_EQ(NetNameTrait("m"), "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱");
  EXPECT_EQ(NetNameTrait("z"), "老实，想问题容易兜圈子");
  for (const char* key : {"A", "?", "", "ab", "1"}) EXPECT_EQ(NetNameTrait(key), "") << key;
}

TEST(NetNameInputProblem, EmptyOrLongerThanTheEditBox) {
  EXPECT_EQ(NetNameInputProblem("").value_or(""), "请输入你的网名！");
  EXPECT_FALSE(NetNameInputProblem("一二三四五六七八九十一二三四五六七八"));  // 18 characters
  EXPECT_EQ(NetNameInputProblem("一二三四五六七八九十一二三四五六七八九").value_or(""),
            "网名最多18个字符，请缩短后再试。");
}

TEST(UpperLatin, ChangesOnlyLatinLetters) { EXPECT_EQ(UpperLatin("qq号abcZ1ａ"), "QQ号ABCZ1ａ"); }

}  // namespace
}  // namespace qk::numerology
