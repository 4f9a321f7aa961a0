// Resident memory of the idle main window.
//
//   build/bin/ui_idle_memory [settle-seconds]
//
// Starts the application as the program does (main window and the windows
// made with it, the start-up check of the reference files), lets the event
// loop idle for a while after the first paint, then prints the resident set
// (VmRSS), its peak (VmHWM) and the shared part (RssFile + RssShmem) from
// /proc/self/status.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "app/Unt_Main.h"
#include "app/startup.h"

namespace {

std::map<std::string, long> StatusKilobytes() {
  std::map<std::string, long> values;
  std::ifstream status("/proc/self/status");
  std::string key;
  long kb = 0;
  std::string unit;
  while (status >> key) {
    if (key.back() == ':' && status >> kb >> unit && unit == "kB") values[key.substr(0, key.size() - 1)] = kb;
    status.ignore(1 << 12, '\n');
    status.clear();
  }
  return values;
}

class AfterFirstPaint : public QObject {
 public:
  explicit AfterFirstPaint(int settleMs) : settleMs_(settleMs) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !armed_) {
      armed_ = true;
      QTimer::singleShot(settleMs_, qApp, [] {
        const auto kb = StatusKilobytes();
        const double mib = 1024.0;
        std::printf("idle main window: VmRSS %.1f MiB, VmHWM %.1f MiB, shared (file+shmem) %.1f MiB, "
                    "anonymous %.1f MiB (QT_QPA_PLATFORM=%s)\n",
                    kb.at("VmRSS") / mib, kb.at("VmHWM") / mib,
                    (kb.count("RssFile") ? kb.at("RssFile") : 0) / mib + (kb.count("RssShmem") ? kb.at("RssShmem") : 0) / mib,
                    (kb.count("RssAnon") ? kb.at("RssAnon") : 0) / mib,
                    qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int settleMs_;
  bool armed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const int settleSeconds = argc > 1 ? std::max(0, std::atoi(argv[1])) : 3;
  QApplication app(argc, argv);
  qk::app::PrepareApplication(app);
  AfterFirstPaint probe(settleSeconds * 1000);
  auto window = qk::app::CreateAndShowMainWindow();
  window->installEventFilter(&probe);
  qk::app::UnusableReferenceMessage();
  return app.exec();
}
