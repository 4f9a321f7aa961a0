#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "data/reference_db.h"
#include "numerology/ui/Unt_sjcs.h"
#include "numerology/ui/message_capture.h"

namespace {

using qk::numerology::test::MessageCapture;
using qk::ui::MessageKind;

TEST(MobileWindow, CaptionSizeAndLimits) {
  TFrm_SJcs w;
  EXPECT_EQ(w.windowTitle(), "手机号码测算");
  EXPECT_EQ(w.size(), QSize(437, 300));
  QTest::keyClicks(w.edtPhone, "13a8-0 0x00123456");
  EXPECT_EQ(w.edtPhone->text(), "13800001234");  // letters dropped, twelfth digit refused
}

TEST(MobileWindow, EnterShowsTheStoredVerdict) {
  TFrm_SJcs w;
  QTest::keyClicks(w.edtPhone, "13800001234");
  QTest::keyClick(w.edtPhone, Qt::Key_Return);
  EXPECT_EQ(w.edtNumber->text(), "13800001234");
  EXPECT_EQ(w.edtState->text(), "灾难频仍，成功不易");  // key 34
  EXPECT_EQ(w.edtGrade->text(), "凶");
  EXPECT_TRUE(w.MemoShow->toPlainText().startsWith("此号数理多灾多难"));
}

TEST(MobileWindow, BadInputShowsAMessageAndKeepsTheFields) {
  TFrm_SJcs w;
  QTest::keyClicks(w.edtPhone, "13800000080");
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  const QString state = w.edtState->text();
  ASSERT_FALSE(state.isEmpty());

  MessageCapture capture;
  w.edtPhone->clear();
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  QTest::keyClicks(w.edtPhone, "1380013");
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  w.edtPhone->clear();
  w.edtPhone->insert("1380013abcd");  // pasted
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);

  ASSERT_EQ(capture.messages.size(), 3u);
  EXPECT_EQ(capture.messages[0].kind, MessageKind::Info);
  EXPECT_EQ(capture.messages[0].text, "请输入11位手机号码！");
  EXPECT_EQ(capture.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(capture.messages[1].text, "手机号码不足8位，无法测算，请输入完整的11位手机号码。");
  EXPECT_EQ(capture.messages[2].text, "手机号码只能由数字组成，请正确输入。");
  EXPECT_EQ(w.edtNumber->text(), "13800000080");
  EXPECT_EQ(w.edtState->text(), state);
}

TEST(MobileWindow, UnreadableDatabaseLeavesTheFieldsSilently) {
  TFrm_SJcs w;
  QTest::keyClicks(w.edtPhone, "13800001234");
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  const QString state = w.edtState->text();

  const auto dir = std::filesystem::temp_directory_path() / "qk_num_ui_no_db";
  std::filesystem::create_directories(dir);
  qk::data::SetReferenceDirectory(dir);
  MessageCapture capture;
  w.edtPhone->clear();
  QTest::keyClicks(w.edtPhone, "13900009999");
  QTest::mouseClick(w.RzButton1, Qt::LeftButton);
  qk::data::SetReferenceDirectory(std::nullopt);

  EXPECT_TRUE(capture.messages.empty());
  EXPECT_EQ(w.edtNumber->text(), "13800001234");
  EXPECT_EQ(w.edtState->text(), state);
}

}  // namespace
