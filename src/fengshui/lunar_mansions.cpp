#include "fengshui/lunar_mansions.h"

#include <algorithm>
#include <array>

namespace qk::fengshui {
namespace {

// The 27-mansion cycle of the lunar calendar (牛 is left out).
constexpr std::array<std::string_view, 27> kMansionCycle{
    "角", "亢", "氐", "房", "心", "尾", "箕", "斗", "女", "虚", "危", "室", "壁", "奎",
    "娄", "胃", "昴", "毕", "觜", "参", "井", "鬼", "柳", "星", "张", "翼", "轸"};

// Mansion of the first day of lunar months 1 to 12.
constexpr std::array<std::string_view, 12> kFirstDayMansions{"室", "奎", "胃", "毕", "参", "鬼",
                                                             "张", "角", "氐", "心", "斗", "虚"};

std::size_t CycleIndex(std::string_view mansion) {
  return static_cast<std::size_t>(std::find(kMansionCycle.begin(), kMansionCycle.end(), mansion) -
                                  kMansionCycle.begin());
}

}  // namespace

std::string_view LunarMansion(int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > 30) return {};
  const std::size_t first = CycleIndex(kFirstDayMansions[month - 1]);
  return kMansionCycle[(first + static_cast<std::size_t>(day - 1)) % kMansionCycle.size()];
}

std::vector<std::string> MemoXingsuLines() {
  std::vector<std::string> lines;
  lines.reserve(30);
  for (int day = 1; day <= 30; ++day) {
    std::string line;
    for (int month = 1; month <= 12; ++month) line += LunarMansion(month, day);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace qk::fengshui
