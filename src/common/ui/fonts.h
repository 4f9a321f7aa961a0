#pragma once
// Fonts of the windows. Debian has no 宋体/SimSun, so every request names the
// Noto CJK faces after it; without them Chinese would render as boxes.
#include <QFont>

namespace qk::ui {

// The window font: 宋体 at the given point size.
QFont SongFont(double pointSize = 9);
// 黑体 at the given point size.
QFont HeiFont(double pointSize = 9);

}  // namespace qk::ui
