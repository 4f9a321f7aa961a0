#include "numerology/ui/UntWangm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/text.h"
#include "common/ui/fonts.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"
#include "numerology/net_name.h"
#include "numerology/ui/window_support.h"

using qk::ui::Q;
using qk::ui::S;
namespace num = qk::numerology;

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent) {
  constexpr int kWidth = 395;
  constexpr int kHeight = 213;
  num::ui::SetUpFixedDialog(this, QStringLiteral("网名与性格"), kWidth, kHeight);

  grpInput = new QGroupBox(this);
  grpInput->setGeometry(8, 4, kWidth - 16, 58);
  num::ui::MakeFieldLabel(QStringLiteral("输入网名："), grpInput, 4, 22, 72);
  edtName = num::ui::MakeUpperCaseEdit(grpInput, num::kMaxNetNameLength, false, [this] { RzButton1Click(); });
  edtName->setGeometry(80, 22, 160, 22);
  RzButton1 = new QPushButton(QStringLiteral("测算"), grpInput);
  RzButton1->setGeometry(250, 21, 56, 24);
  RzButton2 = new QPushButton(QStringLiteral("关闭"), grpInput);
  RzButton2->setGeometry(312, 21, 56, 24);

  grpResult = new QGroupBox(QStringLiteral("测算结果"), this);
  grpResult->setGeometry(8, 68, kWidth - 16, kHeight - 76);
  lblName = new QLabel(grpResult);
  lblName->setGeometry(14, 24, grpResult->width() - 28, 24);
  lblName->setStyleSheet(QStringLiteral("color: green;"));
  lblTrait = new QLabel(grpResult);
  lblTrait->setGeometry(14, 54, grpResult->width() - 28, 70);
  lblTrait->setStyleSheet(QStringLiteral("color: navy;"));
  lblTrait->setWordWrap(true);
  lblTrait->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* line : {lblName, lblTrait}) {
    line->setFont(qk::ui::SongFont(10.5));
    line->setTextFormat(Qt::PlainText);  // a name is text, never markup
  }

  for (QPushButton* button : {RzButton1, RzButton2}) button->setAutoDefault(false);
  connect(RzButton1, &QPushButton::clicked, this, &TFrmWangming::RzButton1Click);
  connect(RzButton2, &QPushButton::clicked, this, &TFrmWangming::RzButton2Click);
  edtName->setFocus();
}

void TFrmWangming::RzButton1Click() {
  const std::string name = qk::Trim(S(edtName->text()));
  if (name.empty()) {
    qk::ui::ShowInfo(Q(std::string(num::kNetNameEmptyMessage)));
    return;
  }
  const num::NetNameLines lines = num::AnalyseNetName(name);
  lblName->setText(Q(lines.nameLine));
  lblTrait->setText(Q(lines.traitLine));
}

void TFrmWangming::RzButton2Click() { close(); }

void OpenFrmWangming(QWidget* parent) {
  auto* window = new TFrmWangming(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->exec();
}
