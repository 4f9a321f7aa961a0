#include "calendar/ui/DateWin.h"

#include <gtest/gtest.h>

#include <QSpinBox>
#include <QTest>

namespace qk::calendar::ui {
namespace {

// A calendar opened "today" on the given date.
struct OpenedCalendar {
  explicit OpenedCalendar(Ymd date) {
    TFRM_Date::today = [date] { return date; };
    window = std::make_unique<TFRM_Date>();
    window->show();
  }
  ~OpenedCalendar() { TFRM_Date::today = [] { return TodayLocal(); }; }

  // Cells (1-based) that are shown.
  std::pair<int, int> FilledCells() const {
    int first = 0, last = 0;
    for (int i = 0; i < TFRM_Date::kCells; ++i) {
      if (!window->dayLabels[i]->isVisible()) continue;
      if (!first) first = i + 1;
      last = i + 1;
    }
    return {first, last};
  }
  ClickLabel* Day(int day) const {
    for (ClickLabel* label : window->dayLabels)
      if (label->isVisible() && label->tag == day) return label;
    return nullptr;
  }
  // Where the selection box sits when `day` is selected.
  QPoint SelectionAt(int day) const { return Day(day)->pos() + QPoint(-1, 1); }
  ClickLabel* Lunar(int day) const {
    for (ClickLabel* label : window->lunarLabels)
      if (label->isVisible() && label->tag == day) return label;
    return nullptr;
  }
  std::unique_ptr<TFRM_Date> window;
};

QString ColourOf(const QLabel* label) {
  const QString style = label->styleSheet();
  const int at = style.indexOf(QStringLiteral("color: "));
  return style.mid(at + 7, 7).toUpper();
}

TEST(PerpetualCalendar, FillsTheCellsOfTheMonth) {
  OpenedCalendar august({2020, 8, 15});
  EXPECT_EQ(august.FilledCells(), std::make_pair(7, 37));  // 31 days from a Saturday: the last cell
  EXPECT_EQ(august.window->LabelYear->text(), QStringLiteral("2020"));
  EXPECT_EQ(august.window->monthWatermark->text(), QStringLiteral("8"));

  OpenedCalendar february({2023, 2, 1});
  EXPECT_EQ(february.FilledCells(), std::make_pair(4, 31));
  ClickLabel* monthStart = february.Lunar(20);
  ASSERT_NE(monthStart, nullptr);
  EXPECT_EQ(monthStart->text(), QStringLiteral("二月"));
  EXPECT_EQ(ColourOf(monthStart), QStringLiteral("#FF0000"));
}

TEST(PerpetualCalendar, ShowsMonthStartsTermsAndFestivals) {
  OpenedCalendar march({2023, 3, 1});
  EXPECT_EQ(march.Lunar(22)->text(), QStringLiteral("闰二"));
  EXPECT_EQ(ColourOf(march.Lunar(22)), QStringLiteral("#FF0000"));

  OpenedCalendar spring({2024, 2, 1});
  EXPECT_EQ(spring.Lunar(10)->text(), QStringLiteral("春节"));
  EXPECT_EQ(ColourOf(spring.Lunar(10)), QStringLiteral("#FF8000"));
  EXPECT_EQ(spring.Lunar(4)->text(), QStringLiteral("立春"));
  EXPECT_EQ(ColourOf(spring.Lunar(4)), QStringLiteral("#5353FF"));
  EXPECT_EQ(spring.Lunar(14)->text(), QStringLiteral("情人节"));
  EXPECT_EQ(ColourOf(spring.Lunar(5)), QStringLiteral("#004000"));
}

TEST(PerpetualCalendar, SpinnersClampTheSelectedDayButKeepIt) {
  OpenedCalendar calendar({2024, 1, 31});
  TFRM_Date& w = *calendar.window;
  QTest::mouseClick(w.LabelMonth, Qt::LeftButton);
  EXPECT_TRUE(w.UpDownMonth->isVisible());
  EXPECT_FALSE(w.UpDownYear->isVisible());
  w.UpDownMonth->stepUp();  // February 2024
  EXPECT_EQ(w.LabelMonth->text(), QStringLiteral("2"));
  ASSERT_NE(calendar.Day(29), nullptr);
  EXPECT_EQ(w.selectionBox->pos(), calendar.SelectionAt(29));
  EXPECT_EQ(w.LabelStarSign->text(), QStringLiteral("双鱼座"));
  w.UpDownMonth->stepUp();  // March: the 31st again
  EXPECT_EQ(TFRM_Date::currentDay, 31);
  EXPECT_EQ(w.selectionBox->pos(), calendar.SelectionAt(31));
  EXPECT_EQ(w.dayLabels[35]->tag, 31);  // March 2024 begins on a Friday: day 31 is cell 36
  QTest::mouseClick(w.weekdayHeader[0], Qt::LeftButton);
  EXPECT_FALSE(w.UpDownMonth->isVisible());
}

TEST(PerpetualCalendar, ADayClickClosesAndTheNextOpeningShowsToday) {
  {
    OpenedCalendar calendar({2024, 5, 20});
    TFRM_Date& w = *calendar.window;
    QTest::mouseClick(w.LabelYear, Qt::LeftButton);
    w.UpDownYear->stepDown();  // May 2023
    ClickLabel* third = calendar.Lunar(3);
    ASSERT_NE(third, nullptr);
    QTest::mouseClick(third, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.windowDate, (Ymd{2023, 5, 3}));
  }
  OpenedCalendar next({2024, 5, 20});
  EXPECT_EQ(next.window->LabelYear->text(), QStringLiteral("2024"));
  EXPECT_EQ(TFRM_Date::currentDay, 20);
}

}  // namespace
}  // namespace qk::calendar::ui
