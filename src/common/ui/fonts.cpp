#include "common/ui/fonts.h"

#include <QStringList>

namespace qk::ui {

QFont SongFont(double pointSize) {
  QFont font;
  font.setFamilies(QStringList() << QStringLiteral("SimSun") << QStringLiteral("宋体")
                                 << QStringLiteral("Noto Serif CJK SC") << QStringLiteral("Noto Sans CJK SC")
                                 << QStringLiteral("serif"));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(pointSize);
  return font;
}

QFont HeiFont(double pointSize) {
  QFont font;
  font.setFamilies(QStringList() << QStringLiteral("SimHei") << QStringLiteral("黑体")
                                 << QStringLiteral("Noto Sans CJK SC") << QStringLiteral("sans-serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace qk::ui
