#include "fengshui/life_gua.h"

#include <array>
#include <cstdlib>
#include <string>

namespace qk::fengshui {
namespace {

// By n; n = 5 is the only place where the sexes differ.
constexpr std::array<std::string_view, 10> kGuaByNumber{"离", "坎", "坤", "震", "巽",
                                                        "坤", "乾", "兑", "艮", "离"};

// Characters 3–4 of the decimal year, as many of them as there are; false
// when there are none or they are not all digits.
bool YearDigitsThreeFour(int year, int& yy) {
  const std::string text = std::to_string(year);
  if (text.size() < 3) return false;
  const std::string digits = text.substr(2, 2);
  yy = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    yy = yy * 10 + (c - '0');
  }
  return true;
}

}  // namespace

std::string_view GetMingGua(int year, bool female) {
  int n = 1;
  int yy = 0;
  if (YearDigitsThreeFour(year, yy)) {
    // C++ % truncates toward zero, exactly the remainder the rule asks for.
    if (year < 2000)
      n = female ? std::abs((yy - 4) % 9) : std::abs((100 - yy) % 9);
    else
      n = female ? std::abs((yy - 4) % 9 + 1) : std::abs((100 - yy) % 9 - 1);
  }
  if (n == 5) return female ? "艮" : "坤";
  return kGuaByNumber[n];
}

}  // namespace qk::fengshui
