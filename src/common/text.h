#pragma once
// Small text helpers used everywhere: every value read from a control or a
// database column is trimmed before use.
#include <string>
#include <string_view>
#include <vector>

namespace qk {

// Removes leading and trailing blanks and control characters (bytes <= 0x20).
std::string Trim(std::string_view text);

// Splits on '\n'; a trailing '\r' on each piece is dropped.
std::vector<std::string> SplitLines(std::string_view text);

// Joins lines with '\n'.
std::string JoinLines(const std::vector<std::string>& lines);

// Parses an optional sign and 1..maxDigits decimal digits, nothing else.
bool ParseInt(std::string_view text, long long& value, int maxDigits = 18);

// Replaces every single quote by two, for texts placed between quotes.
std::string DoubleQuotes(std::string_view text);

}  // namespace qk
