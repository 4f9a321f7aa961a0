#include "library/scramble.h"

#include <gtest/gtest.h>

#include <random>

namespace qk::library {
namespace {

struct DecodeCase {
  const char* content;
  std::string bytes;
  int beeps;
};

TEST(DescrambleText, DecodesHexAndBeepsOncePerBadPair) {
  const DecodeCase cases[] = {
      {"", "", 0},
      {"4", "", 0},            // a last odd character is ignored
      {"41", "A", 0},          // one byte: no round changes it
      {"a9", "\xA9", 0},       // lower-case digits
      {"zz41", "A", 1},        // the bad pair is dropped, decoding goes on
      {"4g414", "A", 1},       // "4g" bad, "41" kept, "4" ignored
      {"+1-1 141", "A", 3},    // signs and blanks are not digits
      {"4中1", "", 1},         // a Chinese character spoils one pair
  };
  for (const auto& c : cases) {
    int beeps = 0;
    EXPECT_EQ(DescrambleText(c.content, kArticleKey, kArticleRounds, [&] { ++beeps; }), c.bytes) << c.content;
    EXPECT_EQ(beeps, c.beeps) << c.content;
  }
}

TEST(DescrambleText, MixesForwardThenBackwardWithTheChangedNeighbours) {
  // Key 4719 = 0x126F: high byte 0x12 on the forward pass, low byte 0x6F back.
  EXPECT_EQ(DescrambleText("0102", 4719, 1), "\x7D\x11");
  EXPECT_EQ(DescrambleText("010203", 4719, 1), "\x16\x78\x06");
  EXPECT_EQ(DescrambleText("FF02", 4719, 1), "\x7D\x13");  // sums wrap at 256
  EXPECT_EQ(DescrambleText("0102", 4719, 0), "\x01\x02");
  EXPECT_EQ(DescrambleText("0102", 4719, -3), "\x01\x02");
}

TEST(ScrambleText, IsTheExactInverseOverRandomBytes) {
  std::mt19937 random(4719);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 300), rounds(-1, 9);
  std::uniform_int_distribution<unsigned> key(0, 0xFFFF);
  for (int trial = 0; trial < 300; ++trial) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    const auto k = static_cast<std::uint16_t>(key(random));
    const int r = trial < 50 ? kArticleRounds : rounds(random);
    const std::string hex = ScrambleText(bytes, k, r);
    ASSERT_EQ(hex.size(), bytes.size() * 2);
    ASSERT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    ASSERT_EQ(DescrambleText(hex, k, r), bytes) << "key " << k << " rounds " << r;
  }
}

}  // namespace
}  // namespace qk::library
