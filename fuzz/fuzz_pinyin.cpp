// HanziToPinyin on arbitrary bytes, as GBK and as UTF-8, with any options and
// length limit.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "numerology/hanzi_to_pinyin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int options = in.ConsumeIntegralInRange<int>(-2, 8);
  const int maxLength = in.ConsumeIntegralInRange<int>(-5, 300);
  const std::string text = in.ConsumeRemainingBytesAsString();

  const std::string fromGbk = qk::numerology::HanziToPinyinGbk(text, options, maxLength);
  if (fromGbk.size() > static_cast<std::size_t>(maxLength < 0 ? 0 : maxLength)) std::abort();
  if (const auto fromUtf8 = qk::numerology::HanziToPinyin(text, options, maxLength))
    if (fromUtf8->size() > static_cast<std::size_t>(maxLength < 0 ? 0 : maxLength)) std::abort();
  return 0;
}
