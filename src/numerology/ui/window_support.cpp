#include "numerology/ui/window_support.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

#include "common/ui/fonts.h"

namespace qk::numerology::ui {

void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height) {
  dialog->setWindowTitle(caption);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  dialog->setFont(qk::ui::SongFont(9));
  dialog->setFixedSize(width, height);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    dialog->move(area.center() - QPoint(width / 2, height / 2));
  }
}

QValidator::State UpperLatinValidator::validate(QString& input, int& pos) const {
  (void)pos;
  for (QChar& c : input)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  return Acceptable;
}

EditKeyFilter::EditKeyFilter(QLineEdit* edit, bool digitsOnly, std::function<void()> onEnter)
    : QObject(edit), digitsOnly_(digitsOnly), onEnter_(std::move(onEnter)) {
  edit->installEventFilter(this);
}

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    if (onEnter_) onEnter_();
    return true;  // the dialog must not see Enter as well
  }
  if (!digitsOnly_ || key->key() == Qt::Key_Backspace) return false;
  const QString text = key->text();
  if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    return false;  // editing and shortcut keys
  const QChar c = text.front();
  if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;  // control characters such as Tab
  return !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

QLineEdit* MakeUpperCaseEdit(QWidget* parent, int maxLength, bool digitsOnly, std::function<void()> onEnter) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(maxLength);
  edit->setValidator(new UpperLatinValidator(edit));
  new EditKeyFilter(edit, digitsOnly, std::move(onEnter));
  if (digitsOnly) {
    // Typed text from an input method would pass the key filter.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
  }
  return edit;
}

QLabel* MakeFieldLabel(const QString& text, QWidget* parent, int x, int y, int width) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(x, y, width, 22);
  return label;
}

ResultFieldWidgets MakeResultFields(QWidget* group, const QString& numberLabel, int labelX, int top, int paneHeight) {
  constexpr int kFieldX = 88;
  constexpr int kLabelRight = 84;
  constexpr int kRowStep = 26;
  ResultFieldWidgets fields{};
  fields.numberLabel = MakeFieldLabel(numberLabel, group, labelX, top, kLabelRight - labelX);
  MakeFieldLabel(QStringLiteral("状态："), group, labelX, top + kRowStep, kLabelRight - labelX);
  MakeFieldLabel(QStringLiteral("吉凶："), group, labelX, top + 2 * kRowStep, kLabelRight - labelX);
  MakeFieldLabel(QStringLiteral("具体表现："), group, labelX, top + 3 * kRowStep, kLabelRight - labelX);
  const int fieldWidth = group->width() - kFieldX - 10;
  fields.number = new QLineEdit(group);
  fields.state = new QLineEdit(group);
  fields.grade = new QLineEdit(group);
  int y = top;
  for (QLineEdit* field : {fields.number, fields.state, fields.grade}) {
    field->setReadOnly(true);
    field->setGeometry(kFieldX, y, fieldWidth, 22);
    y += kRowStep;
  }
  fields.grade->setStyleSheet(QStringLiteral("color: red;"));
  fields.show = new QPlainTextEdit(group);
  fields.show->setReadOnly(true);
  fields.show->setGeometry(kFieldX, top + 3 * kRowStep, fieldWidth, paneHeight);
  return fields;
}

}  // namespace qk::numerology::ui
