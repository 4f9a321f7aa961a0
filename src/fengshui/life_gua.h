#pragma once
// The life trigram (命卦) of a lunar birth year and sex.
#include <string_view>

namespace qk::fengshui {

// Returns one of the eight trigrams for every year. The remainders truncate
// toward zero and the absolute value is taken last, so some years give the
// traditional tables' neighbours (女 1900–1903, 2003): that is the rule.
std::string_view GetMingGua(int year, bool female);

}  // namespace qk::fengshui
