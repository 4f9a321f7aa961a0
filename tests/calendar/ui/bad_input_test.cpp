// The almanac window's three date boxes against the texts users type or paste:
// the window's own request for a valid date, or (for a well-formed date the
// table does not hold) nothing at all; the shown entry stays as it was.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "calendar/ui/huangdao.h"
#include "common/ui/messages.h"
#include "support/bad_inputs.h"

namespace {

using namespace qk::test;

struct Message {
  qk::ui::MessageKind kind;
  QString text;
};

TEST(AlmanacWindowBadInput, EveryDateBox) {
  TFormHuangdao w;
  const auto fillGood = [&] {
    w.SYear->setEditText("2024");
    w.SMonth->setEditText("5");
    w.Sday->setEditText("1");
  };
  fillGood();
  w.BtnCesuanClick();
  const QStringList shown{w.LblSummary->text(), w.MemoResult->toPlainText()};
  ASSERT_FALSE(shown[1].isEmpty());

  std::vector<Message> messages;
  const auto previous = qk::ui::SetMessageHandler(
      [&](qk::ui::MessageKind kind, const QString&, const QString& text) { messages.push_back({kind, text}); });

  const QString validDate = "请选择有效的日期!";
  const QString silent;  // a date without a row: no message
  struct Case {
    QComboBox* box;
    std::string text;
    QString message;
  };
  const std::vector<Case> cases = {
      {w.SYear, "", "请选择年!"},           {w.SMonth, "", "请选择月!"},
      {w.Sday, "", "请选择日!"},            {w.SYear, "   ", "请选择年!"},
      {w.Sday, "   ", "请选择日!"},         {w.SYear, "abc", validDate},
      {w.SMonth, "abc", validDate},         {w.SYear, "-5", validDate},
      {w.SMonth, "-5", validDate},          {w.Sday, "-5", validDate},
      {w.SYear, kTwentyDigits, validDate},  {w.Sday, kTwentyDigits, validDate},
      {w.SYear, "1899", silent},            {w.SYear, "2101", silent},
      {w.SMonth, "13", validDate},          {w.Sday, "32", validDate},
      {w.SYear, "'", validDate},            {w.Sday, kSqlInjection, validDate},
      {w.SYear, kFullWidthDigits, validDate}, {w.SMonth, "０５", validDate},
      {w.SYear, kHugePaste, validDate},     {w.Sday, kHugePaste, validDate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    fillGood();
    c.box->setEditText(QString::fromStdString(c.text));
    messages.clear();
    w.BtnCesuanClick();
    if (c.message.isEmpty()) {
      EXPECT_TRUE(messages.empty());
    } else {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0].kind, qk::ui::MessageKind::Info);
      EXPECT_EQ(messages[0].text, c.message);
    }
    EXPECT_EQ((QStringList{w.LblSummary->text(), w.MemoResult->toPlainText()}), shown);
  }

  // 1981 has no 29 February.
  w.SYear->setEditText("1981");
  w.SMonth->setEditText("2");
  w.Sday->setEditText("29");
  messages.clear();
  w.BtnCesuanClick();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, validDate);
  EXPECT_EQ((QStringList{w.LblSummary->text(), w.MemoResult->toPlainText()}), shown);
  qk::ui::SetMessageHandler(previous);
}

}  // namespace
