#include "numerology/ui/number_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/text.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"
#include "numerology/number81.h"
#include "numerology/ui/window_support.h"

namespace qk::numerology::ui {

using qk::ui::Q;
using qk::ui::S;

NumberVerdictWindow::NumberVerdictWindow(const NumberWindowTexts& texts, QWidget* parent)
    : QDialog(parent), emptyMessage_(texts.emptyMessage) {
  constexpr int kWidth = 388;
  SetUpFixedDialog(this, Q(texts.caption), kWidth, texts.clientHeight);

  grpInput = new QGroupBox(this);
  grpInput->setGeometry(8, 2, kWidth - 16, 50);
  lblInput = MakeFieldLabel(Q(texts.inputLabel), grpInput, 6, 14, 72);
  edtmun = MakeUpperCaseEdit(grpInput, kMaxNumberLength, true, [this] { RzButton1Click(); });
  edtmun->setGeometry(82, 14, 150, 22);
  RzButton1 = new QPushButton(QStringLiteral("测算"), grpInput);
  RzButton1->setGeometry(242, 13, 56, 24);
  RzButton2 = new QPushButton(QStringLiteral("关闭"), grpInput);
  RzButton2->setGeometry(306, 13, 56, 24);

  grpResult = new QGroupBox(QStringLiteral("测算结果"), this);
  grpResult->setGeometry(8, 56, kWidth - 16, texts.clientHeight - 60);
  const auto fields = MakeResultFields(grpResult, Q(texts.numberLabel), 4, 20, grpResult->height() - 104);
  lblNumber = fields.numberLabel;
  edtNumber = fields.number;
  edtState = fields.state;
  edtGrade = fields.grade;
  MemoShow = fields.show;

  for (QPushButton* button : {RzButton1, RzButton2}) button->setAutoDefault(false);
  connect(RzButton1, &QPushButton::clicked, this, &NumberVerdictWindow::RzButton1Click);
  connect(RzButton2, &QPushButton::clicked, this, &NumberVerdictWindow::RzButton2Click);
  edtmun->setFocus();
}

void NumberVerdictWindow::RzButton1Click() {
  const std::string number = Trim(S(edtmun->text()));
  if (number.empty()) {
    qk::ui::ShowInfo(Q(emptyMessage_));
    return;
  }
  const auto verdict = NumberVerdict81(number);
  if (!verdict) {
    qk::ui::ShowError(Q(NotAnIntegerMessage(number)));
    return;
  }
  const VerdictFields fields = SplitVerdict(*verdict);
  edtNumber->setText(Q(number));
  edtState->setText(Q(fields.verdict));
  edtGrade->setText(Q(fields.grade));
  MemoShow->setPlainText(Q(fields.personality));
}

void NumberVerdictWindow::RzButton2Click() { close(); }

}  // namespace qk::numerology::ui
