#pragma once
// Core speaks UTF-8 std::string; windows speak QString.
#include <QString>
#include <string>
#include <vector>

namespace qk::ui {

inline QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string S(const QString& text) { return text.toUtf8().toStdString(); }
QString JoinQ(const std::vector<std::string>& lines);

}  // namespace qk::ui
