#include "common/ui/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace qk::ui {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

void Show(MessageKind kind, const QString& caption, const QString& text) {
  if (Handler()) {
    Handler()(kind, caption, text);
    return;
  }
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                  QMessageBox::Ok, QApplication::activeWindow());
  if (auto* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("确定"));
  box.exec();
}

}  // namespace

void ShowInfo(const QString& text) { Show(MessageKind::Info, QStringLiteral("提示"), text); }

void ShowInfoCaptioned(const QString& caption, const QString& text) { Show(MessageKind::Info, caption, text); }

void ShowError(const QString& text) { Show(MessageKind::Error, QStringLiteral("乾坤宅鉴"), text); }

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

}  // namespace qk::ui
