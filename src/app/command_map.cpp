// What each command of the main window does: the window it opens, the report
// it runs, the message it shows, or nothing.
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
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

}  // namespace

void TFrmmain::OpenModal(Command command, std::unique_ptr<QDialog> window) {
  modalSlots_.erase(command);  // the instance of the previous opening goes first
  QDialog* shown = window.get();
  modalSlots_[command] = std::move(window);
  shown->exec();
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
