#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "common/ui/qt_text.h"
#include "numerology/number81.h"
#include "numerology/ui/UntQQ.h"
#include "numerology/ui/Untonteher.h"
#include "numerology/ui/message_capture.h"

namespace {

using qk::numerology::SplitVerdict;
using qk::numerology::test::MessageCapture;
using qk::ui::MessageKind;
using qk::ui::Q;

struct WindowCase {
  const char* name;
  std::unique_ptr<qk::numerology::ui::NumberVerdictWindow> (*make)();
  const char* caption;
  int height;
  const char* inputLabel;
  const char* numberLabel;
  const char* emptyMessage;
};

const WindowCase kCases[] = {
    {"QQ", [] { return std::unique_ptr<qk::numerology::ui::NumberVerdictWindow>(new TFrmQQhm); }, "QQ号码测试", 270,
     "QQ号码：", "qq号码是：", "请输入你的QQ号码！"},
    {"Other", [] { return std::unique_ptr<qk::numerology::ui::NumberVerdictWindow>(new TFrm_onther); },
     "任意号码分析", 271, "任意号码：", "输入号码是：", "请输入你的号码！"},
};

class NumberWindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(NumberWindowTest, ShowsItsOwnCaptionLabelsAndSize) {
  const auto w = GetParam().make();
  EXPECT_EQ(w->windowTitle(), Q(GetParam().caption));
  EXPECT_EQ(w->size(), QSize(388, GetParam().height));
  EXPECT_EQ(w->lblInput->text(), Q(GetParam().inputLabel));
  EXPECT_EQ(w->lblNumber->text(), Q(GetParam().numberLabel));
  EXPECT_EQ(w->edtmun->maxLength(), 18);
}

TEST_P(NumberWindowTest, KeyFilterTakesDigitsBackspaceAndEnterOnly) {
  const auto w = GetParam().make();
  QTest::keyClicks(w->edtmun, "a1b-2 .c3");
  EXPECT_EQ(w->edtmun->text(), "123");
  QTest::keyClick(w->edtmun, Qt::Key_Backspace);
  EXPECT_EQ(w->edtmun->text(), "12");
  QTest::keyClicks(w->edtmun, "34567890123456789999");
  EXPECT_EQ(w->edtmun->text(), "123456789012345678");  // 18 characters at most
  QTest::keyClick(w->edtmun, Qt::Key_Return);
  EXPECT_EQ(w->edtNumber->text(), "123456789012345678");
}

TEST_P(NumberWindowTest, CalculationFillsTheFourFields) {
  const auto w = GetParam().make();
  QTest::keyClicks(w->edtmun, "0081");
  QTest::keyClick(w->edtmun, Qt::Key_Enter);
  const auto row0 = SplitVerdict(qk::numerology::Number81Table()[0]);
  EXPECT_EQ(w->edtNumber->text(), "0081");
  EXPECT_EQ(w->edtState->text(), Q(row0.verdict));
  EXPECT_EQ(w->edtGrade->text(), "吉");
  EXPECT_EQ(w->MemoShow->toPlainText(), Q(row0.personality));

  // A pasted negative number: only the personality field gets text.
  w->edtmun->clear();
  w->edtmun->insert(" -5 ");
  QTest::mouseClick(w->RzButton1, Qt::LeftButton);
  EXPECT_EQ(w->edtNumber->text(), "-5");
  EXPECT_EQ(w->edtState->text(), "");
  EXPECT_EQ(w->edtGrade->text(), "");
  EXPECT_EQ(w->MemoShow->toPlainText(), Q(std::string(qk::numerology::kOutOfTableText)));
}

TEST_P(NumberWindowTest, BadInputShowsAMessageAndKeepsTheFields) {
  const auto w = GetParam().make();
  QTest::keyClicks(w->edtmun, "100");
  QTest::mouseClick(w->RzButton1, Qt::LeftButton);
  const QString state = w->edtState->text();
  ASSERT_FALSE(state.isEmpty());

  MessageCapture capture;
  w->edtmun->setText("   ");
  QTest::mouseClick(w->RzButton1, Qt::LeftButton);
  w->edtmun->clear();
  w->edtmun->insert("12ab");  // as pasted: letters shown in upper case
  EXPECT_EQ(w->edtmun->text(), "12AB");
  QTest::mouseClick(w->RzButton1, Qt::LeftButton);

  ASSERT_EQ(capture.messages.size(), 2u);
  EXPECT_EQ(capture.messages[0].kind, MessageKind::Info);
  EXPECT_EQ(capture.messages[0].text, Q(GetParam().emptyMessage));
  EXPECT_EQ(capture.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(capture.messages[1].text, "“12AB”不是有效的整数，请只输入数字（最多18位）。");
  EXPECT_EQ(w->edtNumber->text(), "100");
  EXPECT_EQ(w->edtState->text(), state);
}

INSTANTIATE_TEST_SUITE_P(Windows, NumberWindowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
