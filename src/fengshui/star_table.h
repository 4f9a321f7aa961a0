#pragma once
// The eight-mansion star table: which star each palace holds in a house (or
// for a life trigram), and the two forms the main window keeps of it, the
// 64 lines of MemoGua and the eight 3 × 3 grids Memo11 … Memo18.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qk::fengshui {

// Rows by house in the door order, columns by palace in the palace order.
// The table spells 天医 as 天乙.
inline constexpr std::array<std::array<std::string_view, 8>, 8> kStarTable{{
    {"生气", "延年", "绝命", "天乙", "五鬼", "伏位", "六煞", "祸害"},  // 坎
    {"五鬼", "六煞", "伏位", "祸害", "生气", "绝命", "延年", "天乙"},  // 坤
    {"延年", "生气", "祸害", "伏位", "六煞", "天乙", "五鬼", "绝命"},  // 震
    {"伏位", "天乙", "五鬼", "延年", "绝命", "生气", "祸害", "六煞"},  // 巽
    {"祸害", "绝命", "延年", "五鬼", "天乙", "六煞", "伏位", "生气"},  // 乾
    {"六煞", "五鬼", "天乙", "绝命", "延年", "祸害", "生气", "伏位"},  // 兑
    {"绝命", "祸害", "生气", "六煞", "伏位", "五鬼", "天乙", "延年"},  // 艮
    {"天乙", "伏位", "六煞", "生气", "祸害", "延年", "绝命", "五鬼"},  // 离
}};

// Star of palace `palace` in house `house`; empty when either is not a trigram.
std::string_view StarOf(std::string_view house, std::string_view palace);

// MemoGua: 64 lines "P:H,S"; line 8 × door index of H + palace index of P.
std::vector<std::string> MemoGuaLines();

// The five grid lines of one house (Memo11 for 坎 … Memo18 for 离, in the
// door order); empty when the text is not a trigram.
std::vector<std::string> HouseGridLines(std::string_view house);

}  // namespace qk::fengshui
