#pragma once
// HanziToPinyin: GBK text to pinyin letters. Hanzi become their syllable (or
// its initial), numbered symbols become digits, Greek letters a Latin
// transliteration; what else survives depends on the option bits.
#include <optional>
#include <string>
#include <string_view>

namespace qk::numerology {

enum PinyinOption : int {
  kWholeSyllables = 1,  // the whole syllable instead of its first letter
  kMarkUnknown = 2,     // "?" for a double-byte character the tables do not cover
  kKeepSymbols = 4,     // keep single-byte and full-width characters that are not letters or digits
};

// Walks GBK bytes. Negative options give "". The result is cut to maxLength
// bytes (a negative maxLength counts as 0).
std::string HanziToPinyinGbk(std::string_view gbk, int options, int maxLength);

// The same for UTF-8 text. nullopt when the text holds a character GBK cannot
// encode, so the caller can say the input is not usable.
std::optional<std::string> HanziToPinyin(std::string_view utf8, int options, int maxLength);

}  // namespace qk::numerology
