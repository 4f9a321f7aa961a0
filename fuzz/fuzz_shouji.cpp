// The mobile-number key and input check on arbitrary text: a number the check
// accepts always has a key, and the key is a remainder of 80.
#include <cstdlib>
#include <string>

#include "common/text.h"
#include "numerology/mobile_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto key = qk::numerology::shoujiinfostr(text);
  if (key) {
    if (key->empty() || key->size() > 2) std::abort();
    for (char c : *key)
      if (c < '0' || c > '9') std::abort();
  }
  const std::string trimmed = qk::Trim(text);
  const auto problem = qk::numerology::MobileInputProblem(trimmed);
  if (!problem && !qk::numerology::shoujiinfostr(trimmed)) std::abort();
  if (problem && problem->empty()) std::abort();
  return 0;
}
