#include "divination/gender_table.h"

#include <array>
#include <string_view>

namespace qk::divination {
namespace {

constexpr std::string_view kHeader =
    "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月";

// One row per age from 18, months 1 … 12 left to right.
constexpr std::array<std::string_view, kGenderLastAge - kGenderFirstAge + 1> kRows = {
    "女男女男男男男男男男男男",  // 18
    "男女男女女男男男男男女女",  // 19
    "女男女男男男男男男女男男",  // 20
    "男女女女女女女女女女女女",  // 21
    "女男男女男女女男女女女女",  // 22
    "男男女男男女男女男男男女",  // 23
    "男女男男女男男女女女女女",  // 24
    "女男男女女男女男男男男男",  // 25
    "男女男女女男女男女女女女",  // 26
    "女男女男女女男男男男女男",  // 27
    "男女男女女女男男男男女女",  // 28
    "女男女女男男男男男男男女",  // 29
    "男女女女女女女女女女男男",  // 30
    "男女男女女女女女女女女男",  // 31
    "男女男女女女女女女女女男",  // 32
    "女男女男女女女男女女女男",  // 33
    "男女男女女女女女女女男男",  // 34
    "男男女男女女女男女女男男",  // 35
    "女男男女男女女女男男男男",  // 36
    "男女男男女男女男女男女男",  // 37
    "女男女男男女男女男女男女",  // 38
    "男女男男男女女男女男女女",  // 39
    "女男女男女男男女男女男女",  // 40
    "男女男女男女男男女男女男",  // 41
    "女男女男女男女男男女男女",  // 42
    "男女男女男女男女男男男男",  // 43
    "男男女男男男女男女男女女",  // 44
    "女男男女女女男女男女男男",  // 45
};

constexpr std::size_t kCharBytes = 3;  // 男 and 女 in UTF-8

bool IsLeadByte(unsigned char c) { return (c & 0xC0) != 0x80; }

// Display cell at which each 月 of the header starts.
std::vector<std::size_t> MonthColumns() {
  std::vector<std::size_t> columns;
  std::size_t cell = 0;
  for (std::size_t i = 0; i < kHeader.size();) {
    const unsigned char c = static_cast<unsigned char>(kHeader[i]);
    std::size_t length = 1;
    if (c >= 0x80)
      while (i + length < kHeader.size() && !IsLeadByte(static_cast<unsigned char>(kHeader[i + length]))) ++length;
    if (kHeader.substr(i, length) == "月") columns.push_back(cell);
    cell += length == 1 ? 1 : 2;
    i += length;
  }
  return columns;
}

}  // namespace

std::string GenderOf(int age, int month) {
  if (age < kGenderFirstAge || age > kGenderLastAge || month < 1 || month > 12) return {};
  return std::string(kRows[age - kGenderFirstAge].substr((month - 1) * kCharBytes, kCharBytes));
}

std::vector<std::string> GenderTableLines() {
  const auto columns = MonthColumns();
  std::vector<std::string> lines{std::string(kHeader)};
  for (int age = kGenderFirstAge; age <= kGenderLastAge; ++age) {
    std::string line = std::to_string(age);
    std::size_t cell = line.size();
    for (int month = 1; month <= 12; ++month) {
      line.append(columns[month - 1] - cell, ' ');
      line += GenderOf(age, month);
      cell = columns[month - 1] + 2;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string GenderTableNote() {
  return "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，下半月以下个月份计算。";
}

}  // namespace qk::divination
