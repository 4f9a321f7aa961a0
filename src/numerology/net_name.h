#pragma once
// Net names: the last letter of a name's pinyin initials picks a trait.
#include <optional>
#include <string>
#include <string_view>

namespace qk::numerology {

inline constexpr int kMaxNetNameLength = 18;
inline constexpr std::string_view kNetNameEmptyMessage = "请输入你的网名！";
inline constexpr std::string_view kNetNameFailureText = "请重新输入网名，请不要输入特殊字符！";

// The trait of one lower-case letter; any other key gives "".
std::string_view NetNameTrait(std::string_view letter);

// The two result lines of the net-name window.
struct NetNameLines {
  std::string nameLine;   // "你的网名：" + name
  std::string traitLine;  // "你的性格：" + trait, or the failure text
};

// Why a trimmed name cannot be analysed (empty, or longer than the edit box
// takes), or nullopt when it can.
std::optional<std::string> NetNameInputProblem(std::string_view trimmedName);

// Analyses a trimmed, non-empty name.
NetNameLines AnalyseNetName(std::string_view trimmedName);

// Latin letters a-z in upper case, as the edit boxes show them.
std::string UpperLatin(std::string_view text);

}  // namespace qk::numerology
