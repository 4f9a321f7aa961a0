// The almanac window under Qt Test: today's entry on opening, the four input
// messages, a missing row and an unreadable database that change nothing,
// the glossary, and closing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "calendar/ui/huangdao.h"
#include "common/ui/messages.h"
#include "data/reference_db.h"

namespace {

struct Message {
  qk::ui::MessageKind kind;
  QString caption, text;
};

class Huangdao : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = qk::ui::SetMessageHandler([this](qk::ui::MessageKind kind, const QString& caption, const QString& text) {
      messages_.push_back({kind, caption, text});
    });
    window_.SetTodaySource([] { return qk::Ymd{2024, 2, 10}; });
  }
  void TearDown() override { qk::ui::SetMessageHandler(previous_); }

  void Type(const char* year, const char* month, const char* day) {
    window_.SYear->setEditText(QString::fromUtf8(year));
    window_.SMonth->setEditText(QString::fromUtf8(month));
    window_.Sday->setEditText(QString::fromUtf8(day));
  }
  void Press() { QTest::mouseClick(window_.BtnCesuan, Qt::LeftButton); }

  TFormHuangdao window_;
  std::vector<Message> messages_;
  qk::ui::MessageHandler previous_;
};

TEST_F(Huangdao, OpeningShowsTodaysEntry) {
  window_.show();
  EXPECT_EQ(window_.SYear->currentText(), "2024");
  EXPECT_EQ(window_.SMonth->currentText(), "02");
  EXPECT_EQ(window_.Sday->currentText(), "10");
  EXPECT_EQ(window_.LblSummary->text(), QString::fromUtf8("2024-02-10  农历正月初一 星期六 金匮黄道日"));
  const QStringList lines = window_.MemoResult->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[0], QString::fromUtf8("岁次:甲辰年 丙寅月 甲辰日"));
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[4], QString::fromUtf8("五行:覆灯火 满执位"));
  EXPECT_TRUE(lines[16].startsWith(QString::fromUtf8("忌:")));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("黄道吉日"));
  EXPECT_EQ(window_.size(), QSize(600, 464));
  EXPECT_FALSE(window_.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(Huangdao, OpeningKeepsFilledBoxes) {
  window_.SYear->setEditText("2023");
  window_.Sday->setEditText("3");
  window_.show();
  EXPECT_EQ(window_.LblSummary->text().left(11), "2023-02-3  ");
}

TEST_F(Huangdao, InputMessagesChangeNothing) {
  window_.show();
  const QString summary = window_.LblSummary->text();
  const QString result = window_.MemoResult->toPlainText();
  struct Case {
    const char *year, *month, *day, *message;
  };
  const Case cases[] = {{"2024", "02", "", "请选择日!"},
                        {"2024", "02", "30", "请选择有效的日期!"},
                        {"", "", "", "请选择年!"},
                        {"2024", " ", "10", "请选择月!"},
                        {"2024", "2", "1o", "请选择有效的日期!"}};
  for (const auto& c : cases) {
    messages_.clear();
    Type(c.year, c.month, c.day);
    Press();
    ASSERT_EQ(messages_.size(), 1u) << c.message;
    EXPECT_EQ(messages_[0].kind, qk::ui::MessageKind::Info);
    EXPECT_EQ(messages_[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(window_.LblSummary->text(), summary);
    EXPECT_EQ(window_.MemoResult->toPlainText(), result);
  }
}

TEST_F(Huangdao, AnyYearMayBeTypedAndAMissingRowKeepsThePreviousResult) {
  window_.show();
  Type("2026", "1", "1");
  Press();
  EXPECT_TRUE(window_.LblSummary->text().startsWith("2026-1-1  "));
  const QString summary = window_.LblSummary->text();
  const QString result = window_.MemoResult->toPlainText();

  Type("2150", "01", "01");
  Press();
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(window_.LblSummary->text(), summary);
  EXPECT_EQ(window_.MemoResult->toPlainText(), result);
}

TEST_F(Huangdao, UnreadableDatabaseShowsAnErrorAndChangesNothing) {
  window_.show();
  const QString result = window_.MemoResult->toPlainText();
  const auto empty = std::filesystem::temp_directory_path() / "qk_huangdao_no_db";
  std::filesystem::create_directories(empty);
  qk::data::SetReferenceDirectory(empty);
  Type("2024", "03", "01");
  Press();
  qk::data::SetReferenceDirectory(std::nullopt);
  std::filesystem::remove_all(empty);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, qk::ui::MessageKind::Error);
  EXPECT_TRUE(messages_[0].text.contains("KunFile.dll"));
  EXPECT_EQ(window_.MemoResult->toPlainText(), result);
}

TEST_F(Huangdao, GlossaryHoldsThirtyTwoTermsOnThirtyFourLines) {
  const QStringList lines = window_.MemoGlossary->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 34);
  EXPECT_TRUE(window_.MemoGlossary->isReadOnly());
  EXPECT_TRUE(lines.contains(QString::fromUtf8("嫁娶 ：男娶女嫁，举行结婚大典的吉日 ")));
  EXPECT_TRUE(lines.contains(QString::fromUtf8("出行 ：指外出旅行、观光游览 ")));
  EXPECT_TRUE(lines.contains(QString::fromUtf8("动土 ：建筑时、第一次动起锄头挖土 ")));
  const QStringList terms = QString::fromUtf8(
                                "嫁娶 祭祀 安葬 出行 祈福 动土 安床 开光 纳采 入殓 移徙 破土 解除 入宅 修造 栽种 "
                                "开市 移柩 订盟 拆卸 立卷 交易 求嗣 上梁 纳财 起基 斋醮 赴任 冠笄 安门 修坟 挂匾")
                                .split(' ');
  QStringList found;
  for (const QString& line : lines) {
    if (line.mid(2, 2) == QString::fromUtf8(" ：")) found << line.left(2);
    EXPECT_TRUE(line.endsWith(' ')) << line.toStdString();
  }
  EXPECT_EQ(found, terms);
}

TEST(HuangdaoWindow, CloseFreesTheWindowAndEachOpeningIsNew) {
  const auto previous = qk::ui::SetMessageHandler([](auto, const QString&, const QString&) {});
  QPointer<TFormHuangdao> first = qk::calendar::ui::ShowHuangdaoWindow();
  QPointer<TFormHuangdao> second = qk::calendar::ui::ShowHuangdaoWindow();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.data(), second.data());
  EXPECT_TRUE(first->isVisible());
  QTest::mouseClick(first->BtnClose, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_FALSE(second.isNull());
  second->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  qk::ui::SetMessageHandler(previous);
}

// A picture for the documentation; runs only when QK_SCREENSHOT_DIR is set.
TEST(HuangdaoWindow, Screenshot) {
  if (qEnvironmentVariableIsEmpty("QK_SCREENSHOT_DIR")) GTEST_SKIP() << "QK_SCREENSHOT_DIR is not set";
  TFormHuangdao window;
  window.SetTodaySource([] { return qk::Ymd{2024, 2, 10}; });
  window.show();
  EXPECT_TRUE(window.grab().save(QDir(qEnvironmentVariable("QK_SCREENSHOT_DIR")).filePath("almanac.png")));
}

}  // namespace
