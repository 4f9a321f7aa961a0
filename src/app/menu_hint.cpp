#include "app/menu_tree.h"
#include "common/text.h"

namespace qk::app {

bool IsArticleHint(std::string_view hint) {
  const std::string trimmed = Trim(hint);
  return !trimmed.empty() && trimmed.front() == 'F';
}

}  // namespace qk::app
