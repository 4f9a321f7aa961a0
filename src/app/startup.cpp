#include "app/startup.h"

#include <QApplication>

#include "app/Unt_Main.h"
#include "common/locale_settings.h"
#include "common/ui/fonts.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"
#include "data/reference_db.h"

namespace qk::app {

void PrepareApplication(QApplication& app) {
  app.setApplicationName(QStringLiteral("乾坤宅鉴"));
  app.setApplicationDisplayName(QStringLiteral("乾坤宅鉴"));
  app.setFont(qk::ui::SongFont(9));
  ApplyStartupLocaleSettings(ProcessLocale());
}

std::unique_ptr<TFrmmain> CreateAndShowMainWindow() {
  auto window = std::make_unique<TFrmmain>();
  window->CreateStartupWindows();
  window->show();
  return window;
}

QString UnusableReferenceMessage() {
  const auto names = data::UnusableReferenceFiles();
  if (names.empty()) return {};
  QStringList list;
  for (const auto& name : names) list << qk::ui::Q(name);
  return QStringLiteral("以下参考数据文件缺失或已损坏，无法读取：\n%1\n\n"
                        "请把它们完好地放回程序所在的文件夹（%2）。在此之前，用到这些数据的功能将得不到结果。")
      .arg(list.join(QStringLiteral("、")), qk::ui::Q(data::ReferenceDirectory().string()));
}

void WarnAboutUnusableReferenceFiles() {
  const QString message = UnusableReferenceMessage();
  if (!message.isEmpty()) qk::ui::ShowError(message);
}

}  // namespace qk::app
