// NumberVerdict81 and the splitting of its verdict on arbitrary text.
#include <cstdlib>
#include <string>

#include "numerology/number81.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto verdict = qk::numerology::NumberVerdict81(text)) {
    if (verdict->empty()) std::abort();
    (void)qk::numerology::SplitVerdict(*verdict);
  } else {
    if (qk::numerology::NotAnIntegerMessage(text).empty()) std::abort();
  }
  (void)qk::numerology::SplitVerdict(text);
  return 0;
}
