#pragma once
// The eight trigrams as the mansion tables use them: two fixed orders, the
// compass direction of each palace and the east/west split.
#include <array>
#include <string_view>

namespace qk::fengshui {

// Order of the door input and of the blocks of the star table and the grids.
inline constexpr std::array<std::string_view, 8> kDoorOrder{"坎", "坤", "震", "巽", "乾", "兑", "艮", "离"};
// Order of the palaces inside one block of the star table.
inline constexpr std::array<std::string_view, 8> kPalaceOrder{"巽", "离", "坤", "震", "艮", "坎", "乾", "兑"};

// Position in the door order or the palace order; -1 for any other text.
int DoorIndex(std::string_view trigram);
int PalaceIndex(std::string_view trigram);

// Compass direction of a trigram's palace (北, 东北, …); empty for any other text.
std::string_view DirectionOf(std::string_view trigram);

// 坎 震 巽 离 form the east four; 乾 坤 艮 兑 (and anything else) the west four.
bool IsEastGroup(std::string_view trigram);

}  // namespace qk::fengshui
