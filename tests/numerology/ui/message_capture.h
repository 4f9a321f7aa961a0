#pragma once
// Collects the messages a window shows instead of opening boxes.
#include <QString>
#include <vector>

#include "common/ui/messages.h"

namespace qk::numerology::test {

struct CapturedMessage {
  qk::ui::MessageKind kind;
  QString text;
};

class MessageCapture {
 public:
  MessageCapture() {
    previous_ = qk::ui::SetMessageHandler(
        [this](qk::ui::MessageKind kind, const QString&, const QString& text) { messages.push_back({kind, text}); });
  }
  ~MessageCapture() { qk::ui::SetMessageHandler(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  std::vector<CapturedMessage> messages;

 private:
  qk::ui::MessageHandler previous_;
};

}  // namespace qk::numerology::test
