#pragma once
// The seven omen look-ups: what a sneeze, a hot face, a startled heart, a
// barking dog, a twitching eye, a hot ear or a ringing ear means at each time
// of day. Fixed texts, one page each.
#include <array>
#include <string>

namespace qk::divination {

inline constexpr int kOmenPageCount = 7;

struct OmenPage {
  const char* command;  // the command that opens it, e.g. "耳鸣测占卜"
  const char* caption;  // the window caption, e.g. "耳鸣测吉凶"
};

// Pages 0 … 6 in command order.
const std::array<OmenPage, kOmenPageCount>& OmenPages();

// The page's text; entries are separated by empty lines. Empty for a page
// outside 0 … 6.
std::string OmenPageText(int page);

// The navy note under the pages: "说明：" and the three lines of double hours.
const std::array<const char*, 4>& OmenNoteLines();

}  // namespace qk::divination
