#include "calendar/ui/DateWin.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QStringList>
#include <algorithm>

#include "calendar/day_cell.h"
#include "common/ui/fonts.h"
#include "common/ui/qt_text.h"

namespace qk::calendar::ui {
namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 274;
const char* const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

// Arial and Arial Black are not on Debian; the DejaVu and Liberation faces stand in.
QFont LatinFont(int pixelHeight, QFont::Weight weight) {
  QFont font;
  font.setFamilies(QStringList() << QStringLiteral("Arial Black") << QStringLiteral("Arial")
                                 << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  font.setWeight(weight);
  return font;
}

QFont SongPixels(int pixelHeight, bool bold = false) {
  QFont font = qk::ui::SongFont(9);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

void SetColour(QLabel* label, const QString& colour) {
  label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
}

ClickLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font,
                      const QString& colour, Qt::Alignment align = Qt::AlignCenter) {
  auto* label = new ClickLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(align);
  SetColour(label, colour);
  return label;
}

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed();
  QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

std::function<Ymd()> TFRM_Date::today = [] { return TodayLocal(); };
int TFRM_Date::currentYear = 0;
int TFRM_Date::currentMonth = 0;
int TFRM_Date::currentDay = 0;

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("万年历"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(SongPixels(12));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  // Drawn first, so they lie underneath the cells.
  yearWatermark = MakeLabel(this, {}, {0, 56, kClientWidth, 72}, LatinFont(64, QFont::Black), QStringLiteral("#FFE8DD"));
  monthWatermark =
      MakeLabel(this, {}, {0, 98, kClientWidth, 134}, LatinFont(120, QFont::Black), QStringLiteral("#EBEBEB"));
  selectionBox = new QLabel(this);
  selectionBox->setGeometry(0, 0, 38, 30);
  selectionBox->setStyleSheet(QStringLiteral("background-color: #7EE281;"));
  selectionBox->hide();

  LabelMonth = MakeLabel(this, {}, {10, 3, 40, 38}, LatinFont(32, QFont::Bold), QStringLiteral("#8080C0"),
                         Qt::AlignLeft | Qt::AlignTop);
  LabelMonth->setCursor(Qt::PointingHandCursor);
  LabelMonth->setToolTip(QStringLiteral("单击改变月份"));
  MakeLabel(this, QStringLiteral("月"), {45, 20, 16, 16}, SongPixels(14, true), QStringLiteral("black"));
  LabelYear = MakeLabel(this, {}, {120, 0, 76, 41}, LatinFont(29, QFont::Black), QStringLiteral("blue"));
  LabelYear->setCursor(Qt::PointingHandCursor);
  LabelYear->setToolTip(QStringLiteral("单击改变年份"));
  MakeLabel(this, QStringLiteral("年"), {205, 17, 16, 16}, SongPixels(14, true), QStringLiteral("black"));
  LabelToday = MakeLabel(this, QStringLiteral("今天"), {272, 17, 28, 16}, SongPixels(12), QStringLiteral("black"));
  LabelToday->setStyleSheet(QStringLiteral("background-color: #CEF2D0; border: 1px solid #6a9f6c;"));
  LabelToday->setCursor(Qt::PointingHandCursor);

  UpDownYear = new QSpinBox(this);
  UpDownYear->setRange(1901, 2050);
  UpDownYear->setGeometry(221, 10, 50, 22);
  UpDownYear->hide();
  UpDownMonth = new QSpinBox(this);
  UpDownMonth->setRange(1, 12);
  UpDownMonth->setGeometry(61, 10, 40, 22);
  UpDownMonth->hide();

  for (int k = 0; k < 7; ++k) {
    const QString colour = k == 0 || k == 6 ? QStringLiteral("red") : QStringLiteral("black");
    weekdayHeader[k] = MakeLabel(this, QString::fromUtf8(kWeekdays[k]), {19 + 40 * k, 40, 36, 12}, SongPixels(12), colour);
    connect(weekdayHeader[k], &ClickLabel::clicked, this, &TFRM_Date::WeekdayHeaderClick);
    MakeLabel(this, QString::fromUtf8(kWeekdays[k]), {20 + 40 * k, 253, 36, 12}, SongPixels(12), colour);
  }

  for (int i = 0; i < kCells; ++i) {
    const int k = i % 7;
    const int r = i / 7;
    dayLabels[i] = MakeLabel(this, {}, {14 + 42 * k, 56 + 32 * r, 36, 16}, LatinFont(14, QFont::Black),
                             QStringLiteral("black"));
    lunarLabels[i] = MakeLabel(this, {}, {13 + 42 * k, 73 + 32 * r, 36, 12}, SongPixels(12), QStringLiteral("black"));
    for (ClickLabel* label : {dayLabels[i], lunarLabels[i]}) {
      label->hide();
      connect(label, &ClickLabel::clicked, this, [this, label] { DayClick(label); });
    }
    connect(dayLabels[i], &ClickLabel::pressed, this, [this, i] { DayLabelMouseDown(dayLabels[i]); });
    connect(lunarLabels[i], &ClickLabel::pressed, this, [this, i] { LunarLabelMouseDown(lunarLabels[i]); });
  }

  QFont zodiacFont = qk::ui::SongFont(9);
  zodiacFont.setFamilies(QStringList() << QStringLiteral("隶书") << QStringLiteral("LiSu")
                                       << QStringLiteral("Noto Serif CJK SC") << QStringLiteral("serif"));
  zodiacFont.setPixelSize(35);
  zodiacFont.setBold(true);
  LabelZodiac = MakeLabel(this, {}, {230, 212, 78, 35}, zodiacFont, QStringLiteral("#DDDDFF"));
  QFont starFont = qk::ui::HeiFont(9);
  starFont.setPixelSize(19);
  starFont.setBold(true);
  LabelStarSign = MakeLabel(this, {}, {152, 223, 69, 23}, starFont, QStringLiteral("#FF80FF"));

  connect(LabelYear, &ClickLabel::clicked, this, &TFRM_Date::LabelYearClick);
  connect(LabelMonth, &ClickLabel::clicked, this, &TFRM_Date::LabelMonthClick);
  connect(LabelToday, &ClickLabel::clicked, this, &TFRM_Date::TodayClick);
  connect(UpDownYear, &QSpinBox::valueChanged, this, &TFRM_Date::UpDownYearClick);
  connect(UpDownMonth, &QSpinBox::valueChanged, this, &TFRM_Date::UpDownMonthClick);

  windowDate = today();
}

void TFRM_Date::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(0, 0, kClientWidth - 1, kClientHeight - 1);
  // The upper rule runs just under the weekday header rather than through it.
  for (int top : {53, 240}) {
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(9, top, 9 + 297, top);
    painter.setPen(Qt::white);
    painter.drawLine(9, top + 1, 9 + 297, top + 1);
  }
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFRM_Date::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // The calendar is a quick look-up: it closes as soon as it loses the focus.
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

void TFRM_Date::FormShow() {
  currentYear = windowDate.year;
  currentMonth = windowDate.month;
  currentDay = windowDate.day;
  {
    const QSignalBlocker blockYear(UpDownYear);
    const QSignalBlocker blockMonth(UpDownMonth);
    UpDownYear->setValue(currentYear);
    UpDownMonth->setValue(currentMonth);
  }
  Refresh(windowDate);
}

Ymd TFRM_Date::ClampedDate() const {
  return {currentYear, currentMonth, std::min(currentDay, DaysInMonth(currentYear, currentMonth))};
}

void TFRM_Date::Refresh(const Ymd& date) {
  const MonthPage page = MonthPageOf(date.year, date.month, date.day);
  LabelYear->setText(QString::number(date.year));
  yearWatermark->setText(QString::number(date.year));
  LabelMonth->setText(QString::number(date.month));
  monthWatermark->setText(QString::number(date.month));
  LabelZodiac->setText(qk::ui::Q(page.zodiac));
  for (int i = 0; i < kCells; ++i) {
    for (ClickLabel* label : {dayLabels[i], lunarLabels[i]}) {
      label->hide();
      SetColour(label, QStringLiteral("black"));
    }
    dayLabels[i]->setFont(LatinFont(15, QFont::Black));  // 11 pt
  }
  for (std::size_t d = 1; d <= page.days.size(); ++d) {
    const int i = page.firstCell + static_cast<int>(d) - 2;
    if (i < 0 || i >= kCells) break;
    ClickLabel* number = dayLabels[i];
    ClickLabel* lunar = lunarLabels[i];
    number->setText(QString::number(d));
    number->tag = lunar->tag = static_cast<int>(d);
    lunar->setText(qk::ui::Q(page.days[d - 1].text));
    SetColour(lunar, qk::ui::Q(page.days[d - 1].colour));
    if (static_cast<int>(d) == page.selectedDay) {
      selectionBox->move(number->x() - 1, number->y() + 1);
      selectionBox->show();
      LabelStarSign->setText(qk::ui::Q(page.starSign));
    }
    number->show();
    lunar->show();
  }
}

void TFRM_Date::LabelYearClick() {
  UpDownYear->show();
  UpDownMonth->hide();
}

void TFRM_Date::LabelMonthClick() {
  UpDownMonth->show();
  UpDownYear->hide();
}

void TFRM_Date::WeekdayHeaderClick() {
  UpDownYear->hide();
  UpDownMonth->hide();
}

void TFRM_Date::UpDownYearClick() {
  currentYear = UpDownYear->value();
  Refresh(ClampedDate());
}

void TFRM_Date::UpDownMonthClick() {
  currentMonth = UpDownMonth->value();
  Refresh(ClampedDate());
}

void TFRM_Date::DayLabelMouseDown(ClickLabel* label) { selectionBox->move(label->x() - 1, label->y() + 1); }

void TFRM_Date::LunarLabelMouseDown(ClickLabel* label) { selectionBox->move(label->x(), label->y() - 16); }

void TFRM_Date::DayClick(ClickLabel* label) {
  WeekdayHeaderClick();
  currentDay = label->tag;
  windowDate = {currentYear, currentMonth, currentDay};
  close();
}

void TFRM_Date::TodayClick() {
  windowDate = today();
  FormShow();
}

}  // namespace qk::calendar::ui
