// 乾坤宅鉴: start-up and the message loop.
#include <QApplication>
#include <QTimer>

#include "app/Unt_Main.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qk::app::PrepareApplication(app);
  auto window = qk::app::CreateAndShowMainWindow();
  // After the window is on screen, say once if reference files are unusable.
  QTimer::singleShot(0, window.get(), [] { qk::app::WarnAboutUnusableReferenceFiles(); });
  return app.exec();
}
