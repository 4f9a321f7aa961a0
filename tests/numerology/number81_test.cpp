#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "numerology/number81.h"

namespace qk::numerology {
namespace {

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

TEST(Number81Table, ClassAndPersonalityColumnsFollowTheLists) {
  const auto grades = Words(
      "吉 凶 吉 凶 吉 吉 吉 吉 凶 凶 吉 凶 吉 凶 吉 吉 吉 吉 凶 凶 "
      "吉 凶 吉 吉 吉 凶 凶带吉 凶 吉 凶 吉 吉 吉 凶 吉 凶 吉 凶带吉 吉 吉带凶 "
      "吉 吉带凶 吉带凶 凶 吉 凶 吉 吉 凶 吉带凶 吉带凶 吉 吉带凶 凶 吉带凶 凶 吉 凶带吉 凶 凶 "
      "吉带凶 凶 吉 凶 吉 凶 吉 吉 凶 凶 吉带凶 凶 吉 凶 吉带凶 凶 吉带凶 吉带凶 凶 吉带凶 吉");
  const auto types = Words(
      "1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 9 1 9 1 2 3 4 5 6 7 9 1 2 3 4 "
      "5 6 7 8 3 4 5 6 7 8 9 1 2 3 5 6 7 8 9 1 2 3 4 5 6 7 9 6 7 8 9 1 2 2 3 4 5 6 7 9 1");
  ASSERT_EQ(grades.size(), kNumber81Rows);
  ASSERT_EQ(types.size(), kNumber81Rows);
  for (std::size_t r = 0; r < kNumber81Rows; ++r) {
    const VerdictFields f = SplitVerdict(Number81Table()[r]);
    EXPECT_EQ(f.grade, grades[r]) << "row " << r;
    EXPECT_EQ(f.personality, kPersonalityTexts[static_cast<std::size_t>(std::stoi(types[r]) - 1)]) << "row " << r;
  }
}

TEST(Number81Table, EveryVerdictIsFourPhrasesOfFourCharacters) {
  for (std::size_t r = 0; r < kNumber81Rows; ++r) {
    const std::string verdict = SplitVerdict(Number81Table()[r]).verdict;
    // Four phrases of four three-byte characters, joined by three "，".
    ASSERT_EQ(verdict.size(), 4u * 12u + 3u * 3u) << "row " << r << ": " << verdict;
    for (std::size_t p = 12; p < verdict.size(); p += 15) EXPECT_EQ(verdict.substr(p, 3), "，") << "row " << r;
  }
}

TEST(Number81Table, PersonalityTextsShareOneForm) {
  for (const auto text : kPersonalityTexts) {
    EXPECT_EQ(text.rfind("主人性格类型：[", 0), 0u) << text;
    EXPECT_NE(text.find("]，其具体表现为："), std::string_view::npos) << text;
    EXPECT_GT(text.size(), 120u) << text;
  }
}

TEST(Number81Table, QuotedRowsAreVerbatim) {
  const auto& t = Number81Table();
  EXPECT_EQ(t[0],
            "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，"
            "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");
  EXPECT_EQ(t[1],
            "根基不固，摇摇欲坠，一盛一衰，劳而无获|凶|主人性格类型：[独断独行/吸引人型]，其具体表现为：为人独断独行，"
            "事事自行作主解决，鲜有求助他人。而这份独立个性，正正就是吸引异性的特质。但其实心底里，却是渴望有人可让他/她依赖。");
  EXPECT_EQ(t[80],
            "最极之数，还本归元，能得繁荣，发达成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，"
            "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");
}

TEST(NumberVerdict81, PicksTheRowOfTheSignedRemainder) {
  const struct {
    const char* text;
    int row;  // -1: the out-of-table text
  } cases[] = {
      {"81", 0},         {"162", 0},       {"0", 0},           {"80", 80},   {"1", 1},
      {"100", 19},       {"1000", 28},     {"123456789", 72},  {"999999999999999999", 0},
      {"0081", 0},       {"-81", 0},       {"+5", 5},          {"  7 ", 7},  {"-5", -1},
      {"-999999999999999998", -1},
  };
  for (const auto& c : cases) {
    const auto verdict = NumberVerdict81(c.text);
    ASSERT_TRUE(verdict) << c.text;
    EXPECT_EQ(*verdict, c.row < 0 ? std::string(kOutOfTableText) : Number81Table()[static_cast<std::size_t>(c.row)])
        << c.text;
  }
}

TEST(NumberVerdict81, RejectsTextThatIsNotAnInteger) {
  for (const char* text : {"", " ", "12a", "1.5", "1 2", "+", "--1", "0x1F", "１２", "1000000000000000000"})
    EXPECT_FALSE(NumberVerdict81(text)) << text;
  EXPECT_EQ(NotAnIntegerMessage(" 12a "), "“12a”不是有效的整数，请只输入数字（最多18位）。");
}

TEST(SplitVerdict, FillsFromTheLeftAndPassesTheRestOn) {
  const VerdictFields out = SplitVerdict(kOutOfTableText);
  EXPECT_EQ(out.verdict, "");
  EXPECT_EQ(out.grade, "");
  EXPECT_EQ(out.personality, kOutOfTableText);

  const VerdictFields one = SplitVerdict("甲|乙");
  EXPECT_EQ(one.verdict, "甲");
  EXPECT_EQ(one.grade, "");
  EXPECT_EQ(one.personality, "乙");

  const VerdictFields extra = SplitVerdict("a|b|c|d");
  EXPECT_EQ(extra.grade, "b");
  EXPECT_EQ(extra.personality, "c|d");
}

}  // namespace
}  // namespace qk::numerology
