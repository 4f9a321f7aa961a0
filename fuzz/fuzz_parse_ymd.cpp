// The strict date parser on arbitrary text: whatever it accepts is a real
// date that survives formatting and the day count both ways.
#include <cstdlib>
#include <string>

#include "common/day_count.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto date = qk::ParseYmd(text);
  if (!date) return 0;
  if (!qk::IsValidYmd(date->year, date->month, date->day)) std::abort();
  if (qk::ParseYmd(qk::FormatYmd(*date)) != date) std::abort();
  if (qk::YmdFromDayNumber(qk::DayNumber(*date)) != *date) std::abort();
  return 0;
}
