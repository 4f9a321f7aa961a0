#include "numerology/ui/Unt_sjcs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/text.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"
#include "numerology/mobile_number.h"
#include "numerology/ui/window_support.h"

using qk::ui::Q;
using qk::ui::S;
namespace num = qk::numerology;

TFrm_SJcs::TFrm_SJcs(QWidget* parent) : QDialog(parent) {
  constexpr int kWidth = 437;
  constexpr int kHeight = 300;
  num::ui::SetUpFixedDialog(this, QStringLiteral("手机号码测算"), kWidth, kHeight);

  grpInput = new QGroupBox(this);
  grpInput->setGeometry(8, 2, kWidth - 16, 66);
  num::ui::MakeFieldLabel(QStringLiteral("输入号码："), grpInput, 6, 12, 72);
  edtPhone = num::ui::MakeUpperCaseEdit(grpInput, num::kMobileNumberLength, true, [this] { RzButton1Click(); });
  edtPhone->setGeometry(82, 12, 170, 22);
  RzButton1 = new QPushButton(QStringLiteral("测算"), grpInput);
  RzButton1->setGeometry(270, 11, 60, 24);
  RzButton2 = new QPushButton(QStringLiteral("关闭"), grpInput);
  RzButton2->setGeometry(340, 11, 60, 24);
  lblHint = new QLabel(QStringLiteral("请注意：手机号码是11位，请正确输入。"), grpInput);
  lblHint->setGeometry(82, 40, 320, 20);
  lblHint->setStyleSheet(QStringLiteral("color: #800000;"));

  grpResult = new QGroupBox(QStringLiteral("测算结果"), this);
  grpResult->setGeometry(8, 72, kWidth - 16, 168);
  const auto fields = num::ui::MakeResultFields(grpResult, QStringLiteral("手机号码是："), 2, 22, 62);
  edtNumber = fields.number;
  edtState = fields.state;
  edtGrade = fields.grade;
  MemoShow = fields.show;

  lblNote = new QLabel(QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
                                      "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"),
                       this);
  lblNote->setWordWrap(true);
  lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblNote->setGeometry(12, 243, kWidth - 24, 56);

  for (QPushButton* button : {RzButton1, RzButton2}) button->setAutoDefault(false);
  connect(RzButton1, &QPushButton::clicked, this, &TFrm_SJcs::RzButton1Click);
  connect(RzButton2, &QPushButton::clicked, this, &TFrm_SJcs::RzButton2Click);
  edtPhone->setFocus();
}

void TFrm_SJcs::RzButton1Click() {
  const std::string number = qk::Trim(S(edtPhone->text()));
  if (const auto problem = num::MobileInputProblem(number)) {
    if (number.empty())
      qk::ui::ShowInfo(Q(*problem));
    else
      qk::ui::ShowError(Q(*problem));
    return;
  }
  const num::MobileResult result = num::LookupMobileVerdict(number);
  if (result.status == num::MobileLookup::Failed) return;  // the database stays silent
  edtNumber->setText(Q(result.verdict.number));
  edtState->setText(Q(result.verdict.title));
  edtGrade->setText(Q(result.verdict.grade));
  MemoShow->setPlainText(Q(result.verdict.content));
}

void TFrm_SJcs::RzButton2Click() { close(); }

void OpenFrm_SJcs(QWidget* parent) {
  auto* window = new TFrm_SJcs(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->exec();
}
