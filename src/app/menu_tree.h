#pragma once
// The menu bar of the main window, kept as one table of rows.
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"

namespace qk::app {

struct MenuRow {
  int depth;                 // 0 = a menu of the menu bar
  std::string_view caption;  // as shown
  std::string_view hint;     // "F<n>" for article entries, else empty
  Command command;
  int argument;
};

const std::vector<MenuRow>& MenuTree();

// An article entry is recognised by its hint: trimmed, it begins with a
// capital "F" (case-sensitive).
bool IsArticleHint(std::string_view hint);

}  // namespace qk::app
