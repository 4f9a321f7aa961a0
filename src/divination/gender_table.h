#pragma once
// The traditional table that foretells a child's sex from the mother's age
// (虚岁 18 … 45) and the lunar month of conception.
#include <string>
#include <vector>

namespace qk::divination {

inline constexpr int kGenderFirstAge = 18;
inline constexpr int kGenderLastAge = 45;

// "男" or "女" for an age 18 … 45 and a month 1 … 12; "" outside the table.
std::string GenderOf(int age, int month);

// The text area's lines: the header, then one line per age with each entry
// under the 月 of its month column (a Chinese character counts two cells).
std::vector<std::string> GenderTableLines();

// The note under the table.
std::string GenderTableNote();

}  // namespace qk::divination
