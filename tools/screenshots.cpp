// Takes the pictures of the windows kept under docs/: each window is set to a
// fixed state, shown, and grabbed to a PNG file.
//
//   qiankun_screenshots OUTDIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "app/Unt_Main.h"
#include "app/startup.h"
#include "calendar/ui/DateWin.h"

namespace {

QString outDir;

void Save(QWidget* window, const char* name) {
  window->show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const QString path = QDir(outDir).filePath(QString::fromUtf8(name));
  if (!window->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  else std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: qiankun_screenshots OUTDIR\n");
    return 2;
  }
  outDir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outDir);
  qk::app::PrepareApplication(app);

  qk::app::TFrmmain main;
  Save(&main, "main-window.png");
  main.SYear->setEditText(QStringLiteral("1984"));
  main.SMonth->setEditText(QStringLiteral("2"));
  main.Sday->setEditText(QStringLiteral("4"));
  main.Shour->setCurrentIndex(12);
  main.RunCommand({qk::app::Command::BaziReport});
  Save(&main, "main-window-bazi.png");
  main.RunCommand({qk::app::Command::FengshuiReport});
  Save(&main, "main-window-fengshui.png");

  TFRM_Date::today = [] { return qk::Ymd{2024, 2, 10}; };
  TFRM_Date calendar;
  Save(&calendar, "calendar-2024-02.png");
  return 0;
}
