#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/Unt_Main.h"
#include "app/input_panel_items.h"

namespace qk::app {
namespace {

QStringList ItemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

TEST(MainWindow, CaptionSizeAndMenus) {
  TFrmmain window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("乾坤宅鉴"));
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  ASSERT_EQ(window.topMenus.size(), 7u);
  EXPECT_EQ(window.topMenus[0]->title(), QStringLiteral("阳宅(&F)"));
  EXPECT_EQ(window.topMenus[6]->title(), QStringLiteral("帮助(&H)"));
}

TEST(MainWindow, InputControlsHaveTheirItemsDefaultsAndPlaces) {
  TFrmmain w;
  struct Case {
    const char* name;
    QComboBox* box;
    QPoint at;
    int width;
    bool editable;
    int count;
    const char* first;
    const char* last;
    const char* initial;
  };
  const Case cases[] = {
      {"CBsex", w.CBsex, {400, 7}, 38, false, 2, "男", "女", "男"},
      {"ComDate", w.ComDate, {440, 7}, 52, false, 2, "公历", "农历", "公历"},
      {"SYear", w.SYear, {494, 7}, 52, true, 120, "1900", "2019", "1980"},
      {"SMonth", w.SMonth, {559, 7}, 35, true, 12, "1", "12", "1"},
      {"Sday", w.Sday, {608, 7}, 35, true, 31, "1", "31", "1"},
      {"Shour", w.Shour, {659, 7}, 54, true, 24, "子 0", "子 23", "子 0"},
      {"CBFen", w.CBFen, {728, 7}, 35, true, 60, "0", "59", "0"},
      {"CBShanxiang", w.CBShanxiang, {400, 32}, 149, false, 24, "壬山丙向：坎", "巳山亥向：巽", "壬山丙向：坎"},
      {"CBMenwei", w.CBMenwei, {580, 32}, 51, false, 8, "坎", "离", "坎"},
      {"CBFont", w.CBFont, {712, 32}, 68, true, 6, "三号", "小五号", "小五号"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.box->pos(), c.at);
    EXPECT_EQ(c.box->width(), c.width);
    EXPECT_EQ(c.box->isEditable(), c.editable);
    const QStringList items = ItemsOf(c.box);
    ASSERT_EQ(items.size(), c.count);
    EXPECT_EQ(items.first(), QString::fromUtf8(c.first));
    EXPECT_EQ(items.last(), QString::fromUtf8(c.last));
    EXPECT_EQ(c.box->currentText(), QString::fromUtf8(c.initial));
  }
  EXPECT_EQ(ItemsOf(w.Shour)[12], QStringLiteral("午 12"));
  EXPECT_EQ(w.SYear->maxVisibleItems(), 30);
}

TEST(MainWindow, ActionAndCommandButtons) {
  TFrmmain w;
  EXPECT_EQ(w.RzButton1->text(), QStringLiteral("风水分析"));
  EXPECT_EQ(w.RzButton22->geometry(), QRect(649, 57, 64, 22));
  EXPECT_EQ(w.RzButton23->text(), QStringLiteral("每日一卦"));
  ASSERT_EQ(w.commandButtons.size(), 32u);
  EXPECT_EQ(w.commandButtons[0]->geometry(), QRect(5, 5, 80, 22));
  EXPECT_EQ(w.commandButtons[31]->text(), QStringLiteral("万年历法"));
  EXPECT_EQ(w.commandButtons[31]->geometry(), QRect(91, 411, 80, 22));
  EXPECT_EQ(w.commandButtons[17]->geometry(), QRect(91, 222, 80, 22));
  EXPECT_EQ(w.btnExit->geometry(), QRect(532, 5, 69, 23));
}

TEST(MainWindow, HiddenTablePanesHoldTheirLines) {
  TFrmmain w;
  EXPECT_FALSE(w.MemoXingsu->isVisibleTo(&w));
  EXPECT_EQ(w.MemoXingsu->document()->blockCount(), 30);
  EXPECT_EQ(w.MemoGua->document()->blockCount(), 64);
  for (const QPlainTextEdit* grid : w.houseGridMemos) EXPECT_EQ(grid->document()->blockCount(), 5);
}

TEST(MainWindow, PanelInputIsReadAsTheAnalysesExpect) {
  TFrmmain w;
  w.SYear->setEditText(QStringLiteral(" 1984 "));
  w.Shour->setCurrentIndex(12);
  w.CBFen->setEditText(QStringLiteral(" 5"));
  w.ComDate->setCurrentIndex(1);
  const PanelInput input = w.ReadPanel();
  EXPECT_EQ(input.year, "1984");
  EXPECT_EQ(input.hour, "午 12");
  EXPECT_EQ(input.minute, " 5");  // the minute is taken as entered
  EXPECT_EQ(input.dateKind, 1);
}

TEST(ResultPane, HiddenUntilTheFirstReportAndStaysVisible) {
  TFrmmain w;
  w.show();
  EXPECT_FALSE(w.Memo1->isVisible());
  w.ShowOutcome(ReportOutcome::Quiet());
  EXPECT_FALSE(w.Memo1->isVisible());
  w.ShowOutcome(ReportOutcome::Lines({"第一行", "<b>不是富文本</b>"}));
  EXPECT_TRUE(w.Memo1->isVisible());
  EXPECT_EQ(w.Memo1->toPlainText(), QStringLiteral("第一行\n<b>不是富文本</b>"));
  w.ShowOutcome(ReportOutcome::Quiet());
  EXPECT_TRUE(w.Memo1->isVisible());
  EXPECT_EQ(w.Memo1->toPlainText(), QStringLiteral("第一行\n<b>不是富文本</b>"));
}

TEST(ResultPane, FontSizeFollowsCBFont) {
  EXPECT_EQ(ResultPanePointSize(-1), 9);
  EXPECT_EQ(ResultPanePointSize(0), 16);
  EXPECT_EQ(ResultPanePointSize(4), 11);
  EXPECT_EQ(ResultPanePointSize(6), 0);

  TFrmmain w;
  EXPECT_EQ(w.Memo1->font().pointSize(), 9);
  w.CBFont->setCurrentIndex(4);  // 五号
  EXPECT_EQ(w.Memo1->font().pointSize(), 11);
  w.CBFont->setCurrentIndex(0);
  EXPECT_EQ(w.Memo1->font().pointSize(), 16);
  QTest::keyClicks(w.CBFont->lineEdit(), QStringLiteral("7"));  // typed: no item selected
  EXPECT_EQ(w.fontItemIndex(), -1);
  EXPECT_EQ(w.Memo1->font().pointSize(), 9);
}

}  // namespace
}  // namespace qk::app
