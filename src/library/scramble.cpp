#include "library/scramble.h"

#include <vector>

namespace qk::library {
namespace {

int HexDigit(char32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  return -1;
}

// The text as characters: a UTF-8 sequence counts as one character, so a
// Chinese character inside the digits spoils one pair, not several. A byte
// that starts no valid sequence counts as one character of its own.
std::vector<char32_t> Characters(std::string_view text) {
  std::vector<char32_t> chars;
  chars.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    bool valid = i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k)
      valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (!valid) length = 1;
    // Only the ASCII digits matter; any other character just has to be non-hex.
    chars.push_back(length == 1 && lead < 0x80 ? static_cast<char32_t>(lead) : char32_t{0xFFFD});
    i += length;
  }
  return chars;
}

}  // namespace

std::string DescrambleText(std::string_view text, std::uint16_t key, int rounds, const BeepFn& beep) {
  const std::vector<char32_t> chars = Characters(text);
  std::string s;
  s.reserve(chars.size() / 2);
  for (std::size_t i = 0; i + 1 < chars.size(); i += 2) {
    const int high = HexDigit(chars[i]);
    const int low = HexDigit(chars[i + 1]);
    if (high < 0 || low < 0) {
      if (beep) beep();
      continue;
    }
    s.push_back(static_cast<char>(high * 16 + low));
  }
  if (s.empty()) return s;

  const auto h = static_cast<unsigned char>(key >> 8);
  const auto w = static_cast<unsigned char>(key & 0xFF);
  const std::size_t length = s.size();
  auto at = [&s](std::size_t j) { return static_cast<unsigned char>(s[j]); };
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t j = 1; j < length; ++j)
      s[j] = static_cast<char>(static_cast<unsigned char>(at(j - 1) + at(j)) ^ h);
    for (std::size_t j = length - 1; j-- > 0;)
      s[j] = static_cast<char>(static_cast<unsigned char>(at(j + 1) + at(j)) ^ w);
  }
  return s;
}

std::string ScrambleText(std::string_view bytes, std::uint16_t key, int rounds) {
  std::string s(bytes);
  const auto h = static_cast<unsigned char>(key >> 8);
  const auto w = static_cast<unsigned char>(key & 0xFF);
  const std::size_t length = s.size();
  auto at = [&s](std::size_t j) { return static_cast<unsigned char>(s[j]); };
  // Undo the rounds in reverse: first the backward pass, then the forward one.
  // Each step needs only its neighbour's mixed value, which is still in place
  // when the pass is undone in the opposite direction of the mixing.
  for (int round = 0; round < rounds && length > 1; ++round) {
    for (std::size_t j = 0; j + 1 < length; ++j)
      s[j] = static_cast<char>(static_cast<unsigned char>((at(j) ^ w) - at(j + 1)));
    for (std::size_t j = length - 1; j >= 1; --j)
      s[j] = static_cast<char>(static_cast<unsigned char>((at(j) ^ h) - at(j - 1)));
  }
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(length * 2);
  for (std::size_t j = 0; j < length; ++j) {
    hex.push_back(kDigits[at(j) >> 4]);
    hex.push_back(kDigits[at(j) & 0xF]);
  }
  return hex;
}

}  // namespace qk::library
