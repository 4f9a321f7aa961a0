// Every input box of the number, QQ, mobile and net-name windows against the
// texts users paste: a message (and unchanged results) or a verdict for what
// the box kept, never a crash.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "numerology/ui/UntQQ.h"
#include "numerology/ui/UntWangm.h"
#include "numerology/ui/Unt_sjcs.h"
#include "numerology/ui/Untonteher.h"
#include "numerology/ui/message_capture.h"
#include "support/bad_inputs.h"

namespace {

using qk::numerology::test::MessageCapture;
using qk::ui::MessageKind;
using namespace qk::test;

enum class Outcome { Info, Error, Result };

struct Case {
  std::string paste;
  Outcome outcome;
  QString kept;  // what the box holds after the paste, for Result
};

// Pastes into `edit`, clicks `button` and checks the outcome. `panes` reads
// every result pane; `shown` says what the number pane must show for Result.
template <typename Panes, typename Shown>
void RunCases(const std::vector<Case>& cases, QLineEdit* edit, QPushButton* button, Panes panes, Shown shown) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.paste.substr(0, 40));
    const QStringList before = panes();
    MessageCapture capture;
    edit->clear();
    edit->insert(QString::fromStdString(c.paste));
    QTest::mouseClick(button, Qt::LeftButton);
    if (c.outcome == Outcome::Result) {
      EXPECT_TRUE(capture.messages.empty());
      EXPECT_EQ(edit->text(), c.kept);
      EXPECT_EQ(shown(), c.kept.trimmed());
      continue;
    }
    ASSERT_EQ(capture.messages.size(), 1u);
    EXPECT_EQ(capture.messages[0].kind, c.outcome == Outcome::Info ? MessageKind::Info : MessageKind::Error);
    EXPECT_FALSE(capture.messages[0].text.isEmpty());
    EXPECT_EQ(panes(), before) << "a refused input changed the results";
  }
}

template <typename Window>
void CheckNumberWindow() {
  Window w;
  w.edtmun->setText("13800000080");
  w.RzButton1Click();
  const std::vector<Case> cases = {
      {"", Outcome::Info, {}},
      {"   ", Outcome::Info, {}},
      {"abc", Outcome::Error, {}},
      {"-5", Outcome::Result, "-5"},  // a signed number: the out-of-table text
      {kTwentyDigits, Outcome::Result, "123456789012345678"},
      {"1981-2-29", Outcome::Error, {}},
      {"1899", Outcome::Result, "1899"},
      {"2101", Outcome::Result, "2101"},
      {"'", Outcome::Error, {}},
      {kSqlInjection, Outcome::Error, {}},
      {kFullWidthDigits, Outcome::Error, {}},
      {kHugePaste, Outcome::Result, QString(18, '9')},
      {"13800000080", Outcome::Result, "13800000080"},  // back to a number, so the refusals below compare
      {"１２３", Outcome::Error, {}},
  };
  RunCases(
      cases, w.edtmun, w.RzButton1,
      [&] { return QStringList{w.edtNumber->text(), w.edtState->text(), w.edtGrade->text(), w.MemoShow->toPlainText()}; },
      [&] { return w.edtNumber->text(); });
}

TEST(NumberWindowsBadInput, QQWindow) { CheckNumberWindow<TFrmQQhm>(); }
TEST(NumberWindowsBadInput, AnyNumberWindow) { CheckNumberWindow<TFrm_onther>(); }

TEST(NumberWindowsBadInput, MobileWindow) {
  TFrm_SJcs w;
  w.edtPhone->setText("13800000080");
  w.RzButton1Click();
  ASSERT_FALSE(w.edtState->text().isEmpty());
  const std::vector<Case> cases = {
      {"", Outcome::Info, {}},
      {"   ", Outcome::Info, {}},
      {"abc", Outcome::Error, {}},
      {"-5", Outcome::Error, {}},
      {kTwentyDigits, Outcome::Result, "12345678901"},
      {"13800000080", Outcome::Result, "13800000080"},
      {"1981-2-29", Outcome::Error, {}},
      {"1899", Outcome::Error, {}},
      {"2101", Outcome::Error, {}},
      {"'", Outcome::Error, {}},
      {kSqlInjection, Outcome::Error, {}},
      {kFullWidthDigits, Outcome::Error, {}},
      {"1380000008１", Outcome::Error, {}},
      {kHugePaste, Outcome::Result, QString(11, '9')},
  };
  RunCases(
      cases, w.edtPhone, w.RzButton1,
      [&] { return QStringList{w.edtNumber->text(), w.edtState->text(), w.edtGrade->text(), w.MemoShow->toPlainText()}; },
      [&] { return w.edtNumber->text(); });
}

TEST(NumberWindowsBadInput, NetNameWindow) {
  TFrmWangming w;
  w.edtName->setText("Moon");
  w.RzButton1Click();
  const std::vector<Case> cases = {
      {"", Outcome::Info, {}},
      {"   ", Outcome::Info, {}},
      {"abc", Outcome::Result, "ABC"},
      {"-5", Outcome::Result, "-5"},
      {kTwentyDigits, Outcome::Result, "123456789012345678"},
      {"1981-2-29", Outcome::Result, "1981-2-29"},
      {"'", Outcome::Result, "'"},
      {kSqlInjection, Outcome::Result, "'; DROP TABLE X; -"},
      {kFullWidthDigits, Outcome::Result, "１２３"},
      {kHugePaste, Outcome::Result, QString(18, '9')},
      {"\xF0\x9F\x98\x80", Outcome::Result, QString::fromUtf8("\xF0\x9F\x98\x80")},  // no GBK code: the retry text
  };
  RunCases(cases, w.edtName, w.RzButton1, [&] { return QStringList{w.lblName->text(), w.lblTrait->text()}; },
           [&] { return w.lblName->text().mid(QStringLiteral("你的网名：").size()); });
  EXPECT_EQ(w.lblTrait->text(), "请重新输入网名，请不要输入特殊字符！");
}

}  // namespace
