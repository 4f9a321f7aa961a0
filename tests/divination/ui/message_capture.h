#pragma once
// Collects the program's messages instead of showing modal boxes.
#include <QString>
#include <vector>

#include "common/ui/messages.h"

namespace qk::test {

struct CapturedMessage {
  ui::MessageKind kind;
  QString caption;
  QString text;
};

class MessageCapture {
 public:
  MessageCapture() {
    previous_ = ui::SetMessageHandler([this](ui::MessageKind kind, const QString& caption, const QString& text) {
      messages.push_back({kind, caption, text});
    });
  }
  ~MessageCapture() { ui::SetMessageHandler(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  std::vector<CapturedMessage> messages;

 private:
  ui::MessageHandler previous_;
};

}  // namespace qk::test
