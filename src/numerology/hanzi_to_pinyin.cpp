#include "numerology/hanzi_to_pinyin.h"

#include <array>

#include "common/gbk.h"
#include "numerology/pinyin_table.h"

namespace qk::numerology {
namespace {

using Byte = unsigned char;

bool IsDigitOrLatin(Byte c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Upper(Byte c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

std::string UpperText(std::string_view text) {
  std::string out;
  for (char c : text) out += Upper(static_cast<Byte>(c));
  return out;
}

// Row 0xA2: the numbered symbols read as the number they show.
std::string_view NumberedSymbol(Byte trail) {
  static constexpr std::array<std::string_view, 20> kNumbers = {
      "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
  struct Run {
    Byte first, last;
  };
  static constexpr Run kRuns[] = {{0xA1, 0xAA}, {0xB1, 0xC4}, {0xC5, 0xD8}, {0xD9, 0xE2}, {0xE5, 0xEE}, {0xF1, 0xFC}};
  for (const Run& run : kRuns)
    if (trail >= run.first && trail <= run.last) return kNumbers[trail - run.first];
  return {};
}

// Row 0xA6: capitals from 0xA1, small letters from 0xC1, in alphabet order.
std::string_view GreekLetter(Byte trail) {
  static constexpr std::array<std::string_view, 24> kGreek = {"a", "b", "g", "d", "e", "z",  "e",  "th",
                                                              "i", "k", "l", "m", "n", "x",  "o",  "p",
                                                              "r", "s", "t", "u", "ph", "kh", "ps", "o"};
  if (trail >= 0xA1 && trail <= 0xB8) return kGreek[trail - 0xA1];
  if (trail >= 0xC1 && trail <= 0xD8) return kGreek[trail - 0xC1];
  return {};
}

int SyllableSlot(Byte lead, Byte trail) {
  if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE) return 0;
  return kGbkPinyinIndex[static_cast<std::size_t>((lead - 0x81) * kGbkTrailCount + (trail - 0x40))];
}

}  // namespace

std::string HanziToPinyinGbk(std::string_view gbk, int options, int maxLength) {
  if (options < 0) return {};
  const bool whole = options & kWholeSyllables;
  const bool mark = options & kMarkUnknown;
  const bool keep = options & kKeepSymbols;
  std::string out;
  std::size_t i = 0;
  while (i < gbk.size()) {
    const Byte lead = static_cast<Byte>(gbk[i]);
    const bool single = lead < 0x81 || i + 1 >= gbk.size() || static_cast<Byte>(gbk[i + 1]) < 0x40;
    if (single) {
      if (keep || IsDigitOrLatin(lead)) out += Upper(lead);
      ++i;
      continue;
    }
    const Byte trail = static_cast<Byte>(gbk[i + 1]);
    i += 2;
    if (lead == 0xA2) {
      if (trail >= 0xA1)
        out += NumberedSymbol(trail);
      else if (mark)
        out += '?';
    } else if (lead == 0xA3) {
      // Full-width ASCII: the byte 0x80 below, wrapping like a byte does.
      const Byte c = static_cast<Byte>(trail - 0x80);
      if (keep || IsDigitOrLatin(c)) out += static_cast<char>(c);
    } else if (lead == 0xA6) {
      const std::string_view letter = GreekLetter(trail);
      if (!letter.empty())
        out += UpperText(letter);
      else if (mark)
        out += '?';
    } else {
      const int slot = SyllableSlot(lead, trail);
      if (slot != 0) {
        const std::string_view syllable = kPinyinSyllables[static_cast<std::size_t>(slot)];
        out += UpperText(whole ? syllable.substr(0, 6) : syllable.substr(0, 1));
      } else if (mark) {
        out += '?';
      }
    }
  }
  const std::size_t limit = maxLength < 0 ? 0 : static_cast<std::size_t>(maxLength);
  if (out.size() > limit) out.resize(limit);
  return out;
}

std::optional<std::string> HanziToPinyin(std::string_view utf8, int options, int maxLength) {
  const auto gbk = Utf8ToGbk(utf8);
  if (!gbk) return std::nullopt;
  // From valid GBK every piece is ASCII; dropping any other byte keeps the
  // result valid UTF-8 whatever the tables hold.
  std::string out = HanziToPinyinGbk(*gbk, options, maxLength);
  std::erase_if(out, [](char c) { return static_cast<Byte>(c) >= 0x80; });
  return out;
}

}  // namespace qk::numerology
