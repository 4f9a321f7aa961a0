#pragma once
// Fixed vocabulary of the sexagenary cycle and the 24 solar terms, indexed
// from 0. Term 0 is the first term of January; terms 2m-2 and 2m-1 begin in
// Gregorian month m.
#include <array>
#include <string_view>

namespace qk::calendar {

inline constexpr std::array<std::string_view, 10> StemNames{"甲", "乙", "丙", "丁", "戊",
                                                            "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames{"子", "丑", "寅", "卯", "辰", "巳",
                                                              "午", "未", "申", "酉", "戌", "亥"};
// By branch.
inline constexpr std::array<std::string_view, 12> ZodiacAnimals{"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                                "马", "羊", "猴", "鸡", "狗", "猪"};
// Indices 1-10; index 0 is unused.
inline constexpr std::array<std::string_view, 11> ChineseDigits{"",   "一", "二", "三", "四", "五",
                                                                "六", "七", "八", "九", "十"};

inline constexpr std::array<std::string_view, 24> SolarTermNames{
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// Minutes from the formula's base moment (1900-01-06 02:05) within a year.
inline constexpr std::array<int, 24> SolarTermMinutes{
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

}  // namespace qk::calendar
