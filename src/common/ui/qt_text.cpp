#include "common/ui/qt_text.h"

#include <QStringList>

namespace qk::ui {

QString JoinQ(const std::vector<std::string>& lines) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(lines.size()));
  for (const auto& line : lines) list << Q(line);
  return list.join(QLatin1Char('\n'));
}

}  // namespace qk::ui
