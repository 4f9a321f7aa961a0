#pragma once
// TFRM_Date: the perpetual calendar. One Gregorian month as a grid of day
// cells with the lunar day, month start, solar term or festival under each day
// number; the year and month as watermarks; the zodiac year of the month and
// the star sign of the selected day.
#include <QDialog>
#include <QLabel>
#include <array>
#include <functional>

#include "common/day_count.h"

class QSpinBox;

namespace qk::calendar::ui {

// A label that reports presses and clicks; the day cells, the month and year
// labels, the weekday header and 今天 are all such labels.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  int tag = 0;  // the day number of a day cell

 signals:
  void pressed();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TFRM_Date : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kCells = 37;

  explicit TFRM_Date(QWidget* parent = nullptr);

  // The machine's date; tests replace it.
  static std::function<Ymd()> today;
  // The shown year and month and the selected day, one set for the program.
  static int currentYear;
  static int currentMonth;
  static int currentDay;

  Ymd windowDate;

  ClickLabel* LabelMonth = nullptr;
  ClickLabel* LabelYear = nullptr;
  ClickLabel* LabelToday = nullptr;
  QSpinBox* UpDownYear = nullptr;
  QSpinBox* UpDownMonth = nullptr;
  std::array<ClickLabel*, 7> weekdayHeader{};
  QLabel* yearWatermark = nullptr;
  QLabel* monthWatermark = nullptr;
  QLabel* selectionBox = nullptr;
  std::array<ClickLabel*, kCells> dayLabels{};
  std::array<ClickLabel*, kCells> lunarLabels{};
  QLabel* LabelZodiac = nullptr;
  QLabel* LabelStarSign = nullptr;

  // Fills the grid for the month of `date`, selecting its day.
  void Refresh(const Ymd& date);

  // Event handlers.
  void FormShow();
  void LabelYearClick();
  void LabelMonthClick();
  void WeekdayHeaderClick();
  void UpDownYearClick();
  void UpDownMonthClick();
  void DayLabelMouseDown(ClickLabel* label);
  void LunarLabelMouseDown(ClickLabel* label);
  void DayClick(ClickLabel* label);
  void TodayClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Ymd ClampedDate() const;
};

}  // namespace qk::calendar::ui

using qk::calendar::ui::TFRM_Date;
