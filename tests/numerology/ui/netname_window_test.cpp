#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "numerology/ui/UntWangm.h"
#include "numerology/ui/message_capture.h"

namespace {

using qk::numerology::test::MessageCapture;

TEST(NetNameWindow, AnyCharacterIsTypedAndLatinLettersShowInUpperCase) {
  TFrmWangming w;
  EXPECT_EQ(w.windowTitle(), "网名与性格");
  EXPECT_EQ(w.size(), QSize(395, 213));
  QTest::keyClicks(w.edtName, "ab c!-");
  EXPECT_EQ(w.edtName->text(), "AB C!-");
  QTest::keyClicks(w.edtName, "1234567890123456");
  EXPECT_EQ(w.edtName->text().size(), 18);  // length limit
}

TEST(NetNameWindow, EnterShowsTheNameAndTraitLines) {
  TFrmWangming w;
  QTest::keyClicks(w.edtName, "abc");
  QTest::keyClick(w.edtName, Qt::Key_Return);
  EXPECT_EQ(w.lblName->text(), "你的网名：ABC");
  EXPECT_EQ(w.lblTrait->text(), "你的性格：可爱，较明显的自恋");

  w.edtName->setText("<b>星星</b>⑩");  // markup stays text
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  EXPECT_EQ(w.lblName->text(), "你的网名：<B>星星</B>⑩");
  EXPECT_EQ(w.lblName->textFormat(), Qt::PlainText);
  EXPECT_EQ(w.lblTrait->text(), "你的性格：煽情高手");
}

TEST(NetNameWindow, EmptyNameShowsTheMessageAndKeepsBothLines) {
  TFrmWangming w;
  QTest::keyClicks(w.edtName, "zz");
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  MessageCapture capture;
  w.edtName->setText("  ");
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  ASSERT_EQ(capture.messages.size(), 1u);
  EXPECT_EQ(capture.messages[0].text, "请输入你的网名！");
  EXPECT_EQ(w.lblName->text(), "你的网名：ZZ");
  EXPECT_EQ(w.lblTrait->text(), "你的性格：老实，想问题容易兜圈子");
}

}  // namespace
