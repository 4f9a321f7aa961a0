#pragma once
// Look-ups of the Four Pillars tables in Tgcode.dll. Each gives the trimmed
// value, or the empty text when no row matches or the file cannot be read.
#include <string>
#include <string_view>

namespace qk::bazi {

// Ten god of a stem seen from the day stem; key = day stem + other stem (甲丙).
std::string LookupTenGod(std::string_view stemPair);

// Na-yin of a pillar; key = stem + branch (甲子).
std::string LookupNayin(std::string_view pillar);

// Five-element class (金 木 水 火 土) of one character; the text is trimmed
// first and an empty text finds nothing.
std::string LookupCharElement(std::string_view character);

// While one of these lives on the thread, the look-ups remember what they
// found: the small jiazi and Shishen tables are read once, whole, and each
// character's element once. A report asks for the same keys many times over;
// its answers do not change. The next scope starts afresh.
class LookupMemoScope {
 public:
  LookupMemoScope();
  ~LookupMemoScope();
  LookupMemoScope(const LookupMemoScope&) = delete;
  LookupMemoScope& operator=(const LookupMemoScope&) = delete;
  struct Memo;

 private:
  Memo* memo_;
  Memo* outer_;
};

}  // namespace qk::bazi
