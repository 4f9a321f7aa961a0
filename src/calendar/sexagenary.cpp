#include "calendar/sexagenary.h"

#include <cstddef>

#include "calendar/sexagenary_tables.h"

namespace qk::calendar {
namespace {

constexpr int kJiaziYear = 1864;

std::size_t FloorMod(long long value, int divisor) {
  const long long r = value % divisor;
  return static_cast<std::size_t>(r < 0 ? r + divisor : r);
}

std::string YearText(long long k) {
  const std::size_t branch = FloorMod(k, 12);
  std::string text;
  text += StemNames[FloorMod(k, 10)];
  text += BranchNames[branch];
  text += "(";
  text += ZodiacAnimals[branch];
  text += "年)";
  return text;
}

}  // namespace

std::string LunarYearText(int k) { return YearText(k); }

std::string LunarMonthName(int month, bool isLeap) {
  std::string text = isLeap ? "闰" : "";
  if (month >= 1 && month <= 10) {
    text += ChineseDigits[static_cast<std::size_t>(month)];
  } else if (month == 11 || month == 12) {
    text += ChineseDigits[10];
    text += ChineseDigits[static_cast<std::size_t>(month - 10)];
  }
  text += "月";
  return text;
}

std::string LunarDayName(int day) {
  if (day < 1 || day > 30) return {};
  if (day == 20) return "二十";
  if (day == 30) return "三十";
  static constexpr const char* kTensPrefix[] = {"初", "十", "廿"};
  const int tens = day <= 10 ? 0 : (day - 1) / 10;
  const int units = day <= 10 ? day : day - tens * 10;
  return std::string(kTensPrefix[tens]) + std::string(ChineseDigits[static_cast<std::size_t>(units)]);
}

std::string LunarDateText(const LunarDate& date) {
  return YearText(static_cast<long long>(date.year) - kJiaziYear) + LunarMonthName(date.month, date.isLeap) + LunarDayName(date.day);
}

}  // namespace qk::calendar
