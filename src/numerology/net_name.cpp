#include "numerology/net_name.h"

#include <algorithm>
#include <array>

#include "numerology/hanzi_to_pinyin.h"

namespace qk::numerology {
namespace {

constexpr std::array<std::string_view, 26> kTraits = {
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    "有抱负，志气高",
    "大丈夫主义者",
    "自立，自强，可依靠",
    "有点懒惰",
    "煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

// Options of the net-name walk: initials, "?" for characters without
// letters, other characters skipped.
constexpr int kNetNameOptions = kMarkUnknown;
constexpr int kNetNameMaxLength = 255;

char DigitAsLetter(char c) { return c == '0' ? 'J' : static_cast<char>('A' + (c - '1')); }

}  // namespace

std::string_view NetNameTrait(std::string_view letter) {
  if (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'z') return {};
  return kTraits[static_cast<std::size_t>(letter[0] - 'a')];
}

std::optional<std::string> NetNameInputProblem(std::string_view trimmedName) {
  if (trimmedName.empty()) return std::string(kNetNameEmptyMessage);
  // Characters, not bytes: every byte that does not continue a UTF-8 sequence starts one.
  const auto characters = std::count_if(trimmedName.begin(), trimmedName.end(),
                                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  if (characters > kMaxNetNameLength) return std::string("网名最多18个字符，请缩短后再试。");
  return std::nullopt;
}

NetNameLines AnalyseNetName(std::string_view trimmedName) {
  NetNameLines lines;
  lines.nameLine = "你的网名：" + std::string(trimmedName);
  const auto letters = HanziToPinyin(trimmedName, kNetNameOptions, kNetNameMaxLength);
  if (!letters) {
    lines.traitLine = std::string(kNetNameFailureText);
    return lines;
  }
  std::string s = *letters;
  for (char& c : s)
    if (c >= '0' && c <= '9') c = DigitAsLetter(c);
  std::string key;
  if (!s.empty()) {
    const char last = s.back();
    key = (last >= 'A' && last <= 'Z') ? static_cast<char>(last - 'A' + 'a') : last;
  }
  lines.traitLine = "你的性格：" + std::string(NetNameTrait(key));
  return lines;
}

std::string UpperLatin(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace qk::numerology
