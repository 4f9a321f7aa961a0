// DescrambleText on arbitrary text with any key and a few rounds, and the
// round trip ScrambleText -> DescrambleText on arbitrary bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "library/scramble.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const auto key = in.ConsumeIntegral<std::uint16_t>();
  const int rounds = in.ConsumeIntegralInRange<int>(-1, 9);
  const std::string text = in.ConsumeRemainingBytesAsString();

  std::size_t beeps = 0;
  const std::string decoded = qk::library::DescrambleText(text, key, rounds, [&] { ++beeps; });
  if (decoded.size() > text.size() / 2 || beeps > text.size() / 2) std::abort();

  const std::string mixed = qk::library::ScrambleText(text, key, rounds);
  if (qk::library::DescrambleText(mixed, key, rounds) != text) std::abort();
  return 0;
}
