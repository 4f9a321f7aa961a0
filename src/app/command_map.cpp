// What each command of the main window does: the window it opens, the report
// it runs, the message it shows, or nothing.
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QUrl>

#include "app/Unt_Main.h"
#include "app/info_windows.h"
#include "common/ui/messages.h"

namespace qk::app {
namespace {

QUrl Url(std::string_view text) { return QUrl(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))); }

void OpenOutside(std::string_view address) {
  if (!QDesktopServices::openUrl(Url(address)))
    qk::ui::ShowInfo(QStringLiteral("无法打开 %1：本机没有能处理它的程序。").arg(Url(address).toString()));
}

// Shows a window modally and returns when it is closed.
void ShowModal(QWidget* window) {
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->exec();
    return;
  }
  window->setWindowModality(Qt::ApplicationModal);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  QEventLoop loop;
  struct CloseWatcher : QObject {
    QEventLoop* loop;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Hide || event->type() == QEvent::Close) loop->quit();
      return false;
    }
  } watcher;
  watcher.loop = &loop;
  window->installEventFilter(&watcher);
  window->show();
  if (window->isVisible()) loop.exec();
  window->removeEventFilter(&watcher);
}

}  // namespace

void TFrmmain::OpenModal(Command command, std::unique_ptr<QWidget> window) {
  modalSlots_.erase(command);  // the instance of the previous opening goes first
  QWidget* shown = window.get();
  modalSlots_[command] = std::move(window);
  ShowModal(shown);
}

void TFrmmain::OpenModeless(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

QWidget* TFrmmain::ModalInstance(Command command) const {
  const auto it = modalSlots_.find(command);
  return it == modalSlots_.end() ? nullptr : it->second.get();
}

void TFrmmain::RunCommand(CommandRef command) {
  switch (command.command) {
    case Command::Submenu:
    case Command::ArticleEntry:
    case Command::None: return;
    case Command::Service: OpenModal(command.command, std::make_unique<TFrmService>(this)); return;
    case Command::About: OpenModal(command.command, std::make_unique<TFrmAbout>(this)); return;
    case Command::Chat: OpenOutside(kChatUrl); return;
    case Command::HomePage: OpenOutside(kHomePageUrl); return;
    case Command::Mail: OpenOutside(kMailUrl); return;
    case Command::Upgrade: qk::ui::ShowInfo(QString::fromUtf8(kUpgradeMessage.data())); return;
    case Command::Exit: ExitClick(); return;
    default: RunSubsystemCommand(command); return;
  }
}

}  // namespace qk::app
