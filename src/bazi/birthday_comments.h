#pragma once
// The personality comment of the Four Pillars report, picked by the Gregorian
// birthday from a fixed table of texts.
#include <array>
#include <string>
#include <string_view>

namespace qk::bazi {

inline constexpr int kBirthdayCommentSlots = 2001;

// Slots 0-2000: 1-31 hold the day-of-month texts, 100 * month + day the text
// of each calendar date (29 February included, 31 January left empty); every
// other slot is empty.
const std::array<std::string_view, kBirthdayCommentSlots>& BirthdayCommentTable();

// The day-of-month text followed directly by the date's own text.
std::string BirthdayComment(int month, int day);

}  // namespace qk::bazi
