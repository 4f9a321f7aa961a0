#pragma once
// The program's message boxes. Every window reports through these, so a test
// can take the messages instead of a modal box appearing.
#include <QString>
#include <functional>

class QWidget;

namespace qk::ui {

enum class MessageKind { Info, Error };

// Modal box captioned "提示" with an information icon and one OK button.
void ShowInfo(const QString& text);
// Modal box with a caption of the caller's choice and an information icon.
void ShowInfoCaptioned(const QString& caption, const QString& text);
// The error dialog that stands in for a runtime error: a clear message, then
// the command stops and nothing changes.
void ShowError(const QString& text);

using MessageHandler = std::function<void(MessageKind kind, const QString& caption, const QString& text)>;
// Installs a handler that receives every message in place of a box; an empty
// handler restores the boxes. Returns the previous handler.
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace qk::ui
