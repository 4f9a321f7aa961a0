#include <gtest/gtest.h>

#include <set>

#include "numerology/hanzi_to_pinyin.h"
#include "numerology/pinyin_table.h"

namespace qk::numerology {
namespace {

std::string Py(const char* utf8, int options = 0, int maxLength = 255) {
  const auto out = HanziToPinyin(utf8, options, maxLength);
  return out ? *out : "<not GBK>";
}

TEST(PinyinTable, SyllableListHasItsFixedShape) {
  const std::vector<std::string_view> first = {"a", "ai", "an", "ang", "ao"};
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(kPinyinSyllables[i + 1], first[i]);
  const std::vector<std::string_view> last = {"jv", "qv", "xv", "lv", "nv"};
  for (std::size_t i = 0; i < last.size(); ++i) EXPECT_EQ(kPinyinSyllables[401 + i], last[i]);
  EXPECT_EQ(kPinyinSyllables[0], "");
  EXPECT_EQ(kPinyinSyllables[394], "");
  std::set<std::string_view> seen;
  for (std::size_t slot = 1; slot < kSyllableSlots; ++slot) {
    const auto s = kPinyinSyllables[slot];
    if (slot == 394) continue;
    ASSERT_FALSE(s.empty()) << slot;
    EXPECT_LE(s.size(), 6u) << s;
    EXPECT_TRUE(seen.insert(s).second) << "twice: " << s;
    for (char c : s) EXPECT_TRUE(c >= 'a' && c <= 'z') << s;
  }
}

TEST(PinyinTable, IndexCoversTheHanziOfGbk) {
  std::size_t covered = 0;
  for (auto slot : kGbkPinyinIndex) {
    EXPECT_LT(slot, kSyllableSlots);
    EXPECT_NE(slot, 394);
    if (slot) ++covered;
  }
  EXPECT_EQ(covered, 20902u);  // of GBK's 20,924 hanzi
}

TEST(HanziToPinyin, HanziGiveInitialsOrWholeSyllables) {
  EXPECT_EQ(Py("张三丰"), "ZSF");
  EXPECT_EQ(Py("张三丰", kWholeSyllables), "ZHANGSANFENG");
  EXPECT_EQ(Py("女绿", kWholeSyllables), "NVLV");
  EXPECT_EQ(Py("略虐", kWholeSyllables), "LVENVE");
  EXPECT_EQ(Py("〇郎", kWholeSyllables), "LINGLANG");  // U+3007 and the compatibility form of 郎
  EXPECT_EQ(Py("庄双床", kWholeSyllables), "ZHUANGSHUANGCHUANG");
}

TEST(HanziToPinyin, CharactersWithoutEntryAreMarkedOnlyOnRequest) {
  // U+5159 (a unit character) has no reading; 。 is a symbol of row 0xA1.
  EXPECT_EQ(Py("张兙。"), "Z");
  EXPECT_EQ(Py("张兙。", kMarkUnknown), "Z??");
  EXPECT_EQ(HanziToPinyinGbk("\xFF\x41", kMarkUnknown, 255), "?");  // outside the table
  EXPECT_EQ(HanziToPinyinGbk("\xA2\x50", kMarkUnknown, 255), "?");  // 0xA2 below its symbols
  EXPECT_EQ(HanziToPinyinGbk("\xA2\x50", 0, 255), "");
  EXPECT_EQ(Py("\xE2\x85\xA9", kMarkUnknown), "10");  // Roman numeral ten
}

TEST(HanziToPinyin, NumberedSymbolsGiveTheirNumber) {
  EXPECT_EQ(Py("①⑩"), "110");
  EXPECT_EQ(Py("⒈⒛"), "120");
  EXPECT_EQ(Py("⑴⒇"), "120");
  EXPECT_EQ(Py("㈠㈩"), "110");
  EXPECT_EQ(Py("ⅠⅫ"), "112");
  EXPECT_EQ(HanziToPinyinGbk("\xA2\xE3", kMarkUnknown, 255), "");  // a gap in the row stays empty
}

TEST(HanziToPinyin, GreekLettersAreTransliterated) {
  EXPECT_EQ(Py("ΑΘΩ"), "ATHO");
  EXPECT_EQ(Py("αθψω"), "ATHPSO");
  EXPECT_EQ(Py("Χφ"), "KHPH");
}

TEST(HanziToPinyin, SingleBytesAndFullWidthFollowTheSymbolOption) {
  EXPECT_EQ(Py("ab 1-Z!"), "AB1Z");
  EXPECT_EQ(Py("ab 1-Z!", kKeepSymbols), "AB 1-Z!");
  EXPECT_EQ(Py("ａＢ１！"), "aB1");  // full-width letters keep their case
  EXPECT_EQ(Py("ａＢ１！", kKeepSymbols), "aB1!");
  // Full-width row with a trail below 0x80: the byte wraps.
  EXPECT_EQ(HanziToPinyinGbk("\xA3\x41", kKeepSymbols, 255), "\xC1");
  EXPECT_EQ(HanziToPinyinGbk("\xA3\x41", 0, 255), "");
  // A lead byte without a usable trail is a single byte.
  EXPECT_EQ(HanziToPinyinGbk("\xD5\x31", 0, 255), "1");
  EXPECT_EQ(HanziToPinyinGbk("a\xD5", kKeepSymbols, 255), "A\xD5");
}

TEST(HanziToPinyin, OptionsAndLengthLimits) {
  EXPECT_EQ(Py("张三", -1), "");
  EXPECT_EQ(Py("张三李四", 0, 2), "ZS");
  EXPECT_EQ(Py("张三", kWholeSyllables, 3), "ZHA");
  EXPECT_EQ(Py("张三", 0, -4), "");
  EXPECT_EQ(Py(""), "");
  EXPECT_EQ(Py("a\xF0\x9F\x98\x80"), "<not GBK>");
}

}  // namespace
}  // namespace qk::numerology
