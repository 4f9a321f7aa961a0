#pragma once
// Fixed tables of the Four Pillars chart.
#include <array>
#include <string_view>

namespace qk::bazi {

// Stems hidden in each branch (遁藏), main stem first, indexed by branch.
inline constexpr std::array<std::string_view, 12> HiddenStemsTable{
    "癸", "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊", "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

// The names the ten-god look-up gives.
inline constexpr std::array<std::string_view, 10> TenGodNames{
    "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印"};

}  // namespace qk::bazi
