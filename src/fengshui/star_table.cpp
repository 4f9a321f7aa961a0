#include "fengshui/star_table.h"

#include "fengshui/trigrams.h"

namespace qk::fengshui {
namespace {

// Ideographic spaces lead every grid line but the middle one.
constexpr std::string_view kIndent = "\u3000\u3000";
constexpr std::string_view kBar = "\u2502";
constexpr std::string_view kTopPalaces = "\u3000\u3000  巽宫   离宫   坤宫";
constexpr std::string_view kBottomPalaces = "\u3000\u3000  艮宫   坎宫   乾宫";

}  // namespace

std::string_view StarOf(std::string_view house, std::string_view palace) {
  const int row = DoorIndex(house);
  const int column = PalaceIndex(palace);
  if (row < 0 || column < 0) return {};
  return kStarTable[row][column];
}

std::vector<std::string> MemoGuaLines() {
  std::vector<std::string> lines;
  lines.reserve(64);
  for (std::size_t row = 0; row < kDoorOrder.size(); ++row)
    for (std::size_t column = 0; column < kPalaceOrder.size(); ++column) {
      std::string line(kPalaceOrder[column]);
      line += ":";
      line += kDoorOrder[row];
      line += ",";
      line += kStarTable[row][column];
      lines.push_back(std::move(line));
    }
  return lines;
}

std::vector<std::string> HouseGridLines(std::string_view house) {
  if (DoorIndex(house) < 0) return {};
  auto cells = [&](std::initializer_list<std::string_view> palaces) {
    std::string text(kBar);
    for (std::string_view palace : palaces) {
      text += StarOf(house, palace);
      text += kBar;
    }
    return text;
  };
  std::string middle = "震宫";
  middle += kBar;
  middle += StarOf(house, "震");
  middle += kBar;
  middle += house;
  middle += "宅";
  middle += kBar;
  middle += StarOf(house, "兑");
  middle += kBar;
  middle += "兑宫";
  return {std::string(kTopPalaces), std::string(kIndent) + cells({"巽", "离", "坤"}), middle,
          std::string(kIndent) + cells({"艮", "坎", "乾"}), std::string(kBottomPalaces)};
}

}  // namespace qk::fengshui
