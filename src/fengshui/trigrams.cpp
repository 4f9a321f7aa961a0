#include "fengshui/trigrams.h"

#include <algorithm>

namespace qk::fengshui {
namespace {

struct TrigramDirection {
  std::string_view trigram;
  std::string_view direction;
};

constexpr std::array<TrigramDirection, 8> kDirections{{{"坎", "北"},
                                                       {"艮", "东北"},
                                                       {"震", "东"},
                                                       {"巽", "东南"},
                                                       {"离", "南"},
                                                       {"坤", "西南"},
                                                       {"兑", "西"},
                                                       {"乾", "西北"}}};

constexpr std::array<std::string_view, 4> kEastFour{"坎", "震", "巽", "离"};

int IndexIn(const std::array<std::string_view, 8>& order, std::string_view trigram) {
  const auto it = std::find(order.begin(), order.end(), trigram);
  return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

}  // namespace

int DoorIndex(std::string_view trigram) { return IndexIn(kDoorOrder, trigram); }
int PalaceIndex(std::string_view trigram) { return IndexIn(kPalaceOrder, trigram); }

std::string_view DirectionOf(std::string_view trigram) {
  for (const auto& entry : kDirections)
    if (entry.trigram == trigram) return entry.direction;
  return {};
}

bool IsEastGroup(std::string_view trigram) {
  return std::find(kEastFour.begin(), kEastFour.end(), trigram) != kEastFour.end();
}

}  // namespace qk::fengshui
