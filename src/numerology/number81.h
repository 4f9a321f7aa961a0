#pragma once
// The 81-number scheme: a number's remainder after division by 81 picks one of
// 81 rows, each "verdict|class|personality".
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qk::numerology {

inline constexpr std::size_t kNumber81Rows = 81;

// The nine personality texts, types 1..9 at index 0..8.
extern const std::array<std::string_view, 9> kPersonalityTexts;

// The rows, 0..80, each "verdict|class|personality".
const std::array<std::string, kNumber81Rows>& Number81Table();

// The remainder sign follows the number, so a negative number other than a
// multiple of 81 has no row.
inline constexpr std::string_view kOutOfTableText = "对不起,此号不在分解之类。";

// Longest number text the windows take.
inline constexpr int kMaxNumberLength = 18;

// The row for a number text, or the out-of-table text. nullopt when the
// (trimmed) text is not an optional sign and 1..18 decimal digits.
std::optional<std::string> NumberVerdict81(std::string_view numberText);

// The message for a text NumberVerdict81 cannot read.
std::string NotAnIntegerMessage(std::string_view numberText);

// A verdict split into the three result fields: text before the first "|",
// text between it and the next "|", and the rest. A missing "|" leaves the
// field before it empty and passes the whole remaining text on.
struct VerdictFields {
  std::string verdict;
  std::string grade;
  std::string personality;
};
VerdictFields SplitVerdict(std::string_view verdict);

}  // namespace qk::numerology
