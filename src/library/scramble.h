#pragma once
// The stored form of the articles: the GBK bytes of the text, mixed by a
// keyed forward/backward pass and written as hexadecimal digits.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qk::library {

// Key and rounds every stored article is mixed with.
inline constexpr std::uint16_t kArticleKey = 4719;
inline constexpr int kArticleRounds = 7;

// Called once for every pair of characters that is not a hexadecimal number.
using BeepFn = std::function<void()>;

// Hex-decodes `text` (a last odd character is ignored; a bad pair beeps and is
// skipped) and undoes `rounds` rounds of mixing with `key`. Returns the raw
// bytes (GBK text).
std::string DescrambleText(std::string_view text, std::uint16_t key, int rounds, const BeepFn& beep = {});

// The exact inverse: mixes the bytes and returns them as upper-case hex, so
// DescrambleText(ScrambleText(b, k, r), k, r) == b for every byte string b.
std::string ScrambleText(std::string_view bytes, std::uint16_t key, int rounds);

}  // namespace qk::library
