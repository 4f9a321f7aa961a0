// Start-up time: from process start to the main window's first paint.
//
//   build/bin/ui_startup [runs]
//
// The parent starts itself `runs` times as a child that quits at the first
// paint of the main window, and prints the median and the slowest wall time of
// a whole child process (exec, dynamic loading, Qt start, window, first paint).
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/Unt_Main.h"
#include "app/startup.h"

extern char** environ;

namespace {

class QuitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

int Child(int argc, char** argv) {
  QApplication app(argc, argv);
  qk::app::PrepareApplication(app);
  QuitOnFirstPaint quitter;
  auto window = qk::app::CreateAndShowMainWindow();
  window->installEventFilter(&quitter);
  qk::app::UnusableReferenceMessage();  // the start-up check of the four files
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return Child(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  std::vector<double> seconds;
  for (int i = 0; i < runs; ++i) {
    char child[] = "--child";
    char* childArgv[] = {argv[0], child, nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, childArgv, environ) != 0) return 1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "child failed\n");
      return 1;
    }
    seconds.push_back(elapsed);
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("start-up to first paint: median %.3f s, slowest %.3f s over %d runs (QT_QPA_PLATFORM=%s)\n",
              seconds[seconds.size() / 2], seconds.back(), runs,
              qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
  return 0;
}
