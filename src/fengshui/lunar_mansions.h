#pragma once
// The lunar mansion (星宿) of a lunar month and day, and the 30 × 12 table the
// main window keeps of it (MemoXingsu).
#include <string>
#include <string_view>
#include <vector>

namespace qk::fengshui {

// Mansion of lunar month 1–12, day 1–30 (a leap month uses the number of the
// month it repeats); empty outside those ranges.
std::string_view LunarMansion(int month, int day);

// MemoXingsu: line d (1–30) holds the mansions of day d in months 1 to 12.
std::vector<std::string> MemoXingsuLines();

}  // namespace qk::fengshui
