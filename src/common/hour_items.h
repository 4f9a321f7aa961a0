#pragma once
// The hour items of the input panel: the earthly branch of the double hour, a
// blank, and the clock hour. In GBK the branch is bytes 1-2 and the hour bytes
// 4-5, where the reports read them.
#include <array>
#include <string_view>

namespace qk {

inline constexpr std::array<std::string_view, 24> kHourItems{
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
    "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

}  // namespace qk
