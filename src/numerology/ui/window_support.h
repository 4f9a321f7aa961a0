#pragma once
// Shared pieces of the numerology windows: the fixed dialog frame, the edit
// box that shows Latin letters in upper case, and the key filters.
#include <QObject>
#include <QValidator>
#include <functional>

class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace qk::numerology::ui {

// Fixed client size, only a close box, the window font, centred on the screen.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height);

// Shows Latin letters a-z in upper case, whether typed or pasted.
class UpperLatinValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Key filter of an edit box: Enter runs onEnter; with digitsOnly, every other
// typed character but a digit or backspace is dropped. Editing and shortcut
// keys (arrows, Delete, Ctrl+V) pass.
class EditKeyFilter : public QObject {
 public:
  EditKeyFilter(QLineEdit* edit, bool digitsOnly, std::function<void()> onEnter);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool digitsOnly_;
  std::function<void()> onEnter_;
};

// An edit box with the upper-case display, a length limit and the key filter.
QLineEdit* MakeUpperCaseEdit(QWidget* parent, int maxLength, bool digitsOnly, std::function<void()> onEnter);

// A label placed left of a field, right-aligned.
QLabel* MakeFieldLabel(const QString& text, QWidget* parent, int x, int y, int width);

// The four result fields of a verdict inside `group`, from `top` down: the
// number, 状态, 吉凶 (in red) and the 具体表现 pane of `paneHeight`; labels end
// at x = 84, fields start at x = 88.
struct ResultFieldWidgets {
  QLabel* numberLabel;
  QLineEdit* number;
  QLineEdit* state;
  QLineEdit* grade;
  QPlainTextEdit* show;
};
ResultFieldWidgets MakeResultFields(QWidget* group, const QString& numberLabel, int labelX, int top, int paneHeight);

}  // namespace qk::numerology::ui
