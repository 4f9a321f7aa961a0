// The main window's input panel against the texts users type or paste: each
// report button gives one message for a bad box and leaves the result pane as
// it was; the font box ignores what it cannot use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/Unt_Main.h"
#include "app/startup.h"
#include "calendar/lunar_conversion.h"
#include "common/ui/messages.h"
#include "data/reference_db.h"
#include "support/bad_inputs.h"

namespace qk::app {
namespace {

using namespace qk::test;

struct Message {
  qk::ui::MessageKind kind;
  QString text;
};

class MainWindowBadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = qk::ui::SetMessageHandler(
        [this](qk::ui::MessageKind kind, const QString&, const QString& text) { messages.push_back({kind, text}); });
  }
  void TearDown() override { qk::ui::SetMessageHandler(previous_); }

  std::string BoxName(const QComboBox* box) const {
    if (box == w.SYear) return "SYear";
    if (box == w.SMonth) return "SMonth";
    if (box == w.Sday) return "Sday";
    if (box == w.Shour) return "Shour";
    return "CBFen";
  }

  void FillGoodPanel() {
    w.ComDate->setCurrentIndex(0);
    w.SYear->setEditText("1980");
    w.SMonth->setEditText("12");
    w.Sday->setEditText("1");
    w.Shour->setEditText("午 12");
    w.CBFen->setEditText("30");
  }

  TFrmmain w;
  std::vector<Message> messages;

 private:
  qk::ui::MessageHandler previous_;
};

TEST_F(MainWindowBadInput, EveryDateAndTimeBoxWithEveryReportButton) {
  const QString blank;  // no text: the box's "please choose" message
  struct Case {
    QComboBox* box;
    std::string text;
  };
  const std::vector<Case> cases = {
      {w.SYear, ""},          {w.SMonth, ""},           {w.Sday, ""},
      {w.Shour, ""},          {w.SYear, "   "},         {w.Sday, "   "},
      {w.SYear, "abc"},       {w.SMonth, "abc"},        {w.Shour, "abc"},
      {w.CBFen, "abc"},       {w.SYear, "-5"},          {w.SMonth, "-5"},
      {w.Sday, "-5"},         {w.Shour, "-5"},          {w.CBFen, "-5"},
      {w.SYear, kTwentyDigits}, {w.Sday, kTwentyDigits}, {w.CBFen, kTwentyDigits},
      {w.SYear, "1981-2-29"}, {w.SYear, "1899"},        {w.SYear, "2101"},
      {w.SMonth, "13"},       {w.Sday, "32"},           {w.Shour, "午 24"},
      {w.CBFen, "60"},        {w.SYear, "'"},           {w.Shour, "'"},
      {w.SYear, kSqlInjection}, {w.Shour, kSqlInjection}, {w.CBFen, kSqlInjection},
      {w.SYear, kFullWidthDigits}, {w.Sday, "１"},       {w.Shour, "午 １２"},
      {w.CBFen, "３０"},       {w.SYear, kHugePaste},    {w.Shour, kHugePaste},
      {w.CBFen, kHugePaste},
  };
  for (QPushButton* button : {w.RzButton22, w.RzButton1, w.RzButton20}) {
    SCOPED_TRACE(button->text().toStdString());
    FillGoodPanel();
    messages.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    const QString report = w.Memo1->toPlainText();
    ASSERT_FALSE(report.isEmpty());
    for (const Case& c : cases) {
      SCOPED_TRACE(BoxName(c.box) + " <- " + c.text.substr(0, 40));
      FillGoodPanel();
      c.box->setEditText(QString::fromStdString(c.text));
      messages.clear();
      QTest::mouseClick(button, Qt::LeftButton);
      ASSERT_EQ(messages.size(), 1u) << "one message for a bad box";
      EXPECT_FALSE(messages[0].text.isEmpty());
      if (QString::fromStdString(c.text).trimmed().isEmpty() && c.box != w.CBFen) {
        EXPECT_EQ(messages[0].kind, qk::ui::MessageKind::Info);
      }
      EXPECT_EQ(w.Memo1->toPlainText(), report);
    }
  }
}

TEST_F(MainWindowBadInput, LunarDayThirtyOfAShortMonth) {
  int shortMonth = 0;
  for (int m = 1; m <= 12 && shortMonth == 0; ++m)
    if (!qk::calendar::IsValidLunarDate({1981, m, 30, false})) shortMonth = m;
  ASSERT_NE(shortMonth, 0);
  for (QPushButton* button : {w.RzButton22, w.RzButton1, w.RzButton20}) {
    FillGoodPanel();
    QTest::mouseClick(button, Qt::LeftButton);
    const QString report = w.Memo1->toPlainText();
    w.ComDate->setCurrentIndex(1);
    w.SYear->setEditText("1981");
    w.SMonth->setEditText(QString::number(shortMonth));
    w.Sday->setEditText("30");
    messages.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, qk::ui::MessageKind::Error);
    EXPECT_EQ(w.Memo1->toPlainText(), report);
  }
}

TEST_F(MainWindowBadInput, FontBoxIgnoresTextItCannotUse) {
  const int pointSize = w.Memo1->font().pointSize();
  for (const std::string& text : {std::string(), std::string("abc"), std::string("-5"), kTwentyDigits, kSqlInjection,
                                  kFullWidthDigits, kHugePaste}) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    w.CBFont->lineEdit()->selectAll();
    w.CBFont->lineEdit()->paste();
    EXPECT_EQ(w.Memo1->font().pointSize(), pointSize);
  }
  EXPECT_TRUE(messages.empty());
}

TEST(StartupMessage, NamesExactlyTheUnusableFiles) {
  namespace fs = std::filesystem;
  qk::data::SetReferenceDirectory(std::nullopt);
  const fs::path built = qk::data::ReferenceDirectory();
  EXPECT_TRUE(UnusableReferenceMessage().isEmpty());

  const fs::path dir = fs::temp_directory_path() / ("qk_startup_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::create_symlink(built / "KunFile.dll", dir / "KunFile.dll");
  fs::create_symlink(built / "KunBirth.dll", dir / "KunBirth.dll");
  std::ofstream(dir / "Tgcode.dll").close();  // empty; dream.dll is missing
  qk::data::SetReferenceDirectory(dir);
  const QString message = UnusableReferenceMessage();
  qk::data::SetReferenceDirectory(std::nullopt);
  fs::remove_all(dir);

  EXPECT_TRUE(message.contains(QStringLiteral("dream.dll、Tgcode.dll"))) << message.toStdString();
  EXPECT_FALSE(message.contains(QStringLiteral("KunFile.dll")));
  EXPECT_FALSE(message.contains(QStringLiteral("KunBirth.dll")));
}

}  // namespace
}  // namespace qk::app
