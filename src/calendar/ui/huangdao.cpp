#include "calendar/ui/huangdao.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "calendar/almanac_lookup.h"
#include "common/ui/fonts.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"

using qk::ui::Q;
using qk::ui::S;

namespace {

QComboBox* DateBox(QWidget* parent, int x, int width, int first, int last, int digits) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (int n = first; n <= last; ++n) box->addItem(QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0')));
  box->setCurrentIndex(-1);
  box->setEditText(QString());
  box->setGeometry(x, 12, width, 22);
  return box;
}

QLabel* Label(QWidget* parent, const QString& text, int x, int y, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, 20);
  return label;
}

QPushButton* Button(QWidget* parent, const QString& text, int x) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(x, 11, 64, 24);
  return button;
}

QPlainTextEdit* Pane(QGroupBox* group, bool readOnly) {
  auto* pane = new QPlainTextEdit(group);
  pane->setGeometry(8, 20, group->width() - 16, group->height() - 28);
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  pane->setReadOnly(readOnly);
  return pane;
}

const QString kReferenceProblem =
    QStringLiteral("无法读取参考数据文件 KunFile.dll，黄历未能查询。请确认该文件在程序目录中且未损坏。");

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      today_(&qk::TodayLocal) {
  setWindowTitle(QStringLiteral("黄道吉日"));
  setFont(qk::ui::SongFont(9));
  setFixedSize(600, 464);

  auto* dateGroup = new QGroupBox(this);
  dateGroup->setGeometry(0, 0, 600, 61);
  Label(dateGroup, QStringLiteral("选择黄历："), 10, 13, 70);
  SYear = DateBox(dateGroup, 80, 62, 2010, 2020, 4);
  Label(dateGroup, QStringLiteral("年"), 146, 13, 16);
  SMonth = DateBox(dateGroup, 166, 48, 1, 12, 2);
  Label(dateGroup, QStringLiteral("月"), 218, 13, 16);
  Sday = DateBox(dateGroup, 238, 48, 1, 31, 2);
  Label(dateGroup, QStringLiteral("日"), 290, 13, 16);
  BtnCesuan = Button(dateGroup, QStringLiteral("测算"), 330);
  BtnPrint = Button(dateGroup, QStringLiteral("打印"), 414);
  BtnClose = Button(dateGroup, QStringLiteral("关闭"), 498);
  Label(dateGroup, QStringLiteral("当日统览："), 10, 38, 70);
  LblSummary = Label(dateGroup, QString(), 80, 38, 377);

  auto* resultGroup = new QGroupBox(QStringLiteral("测算结果："), this);
  resultGroup->setGeometry(0, 63, 600, 242);
  MemoResult = Pane(resultGroup, false);

  auto* glossaryGroup = new QGroupBox(QStringLiteral("黄历名词解释："), this);
  glossaryGroup->setGeometry(0, 308, 600, 154);
  MemoGlossary = Pane(glossaryGroup, true);
  MemoGlossary->setPlainText(qk::calendar::ui::AlmanacGlossary());

  connect(BtnCesuan, &QPushButton::clicked, this, &TFormHuangdao::BtnCesuanClick);
  connect(BtnClose, &QPushButton::clicked, this, &TFormHuangdao::BtnCloseClick);
}

void TFormHuangdao::SetTodaySource(std::function<qk::Ymd()> today) { today_ = std::move(today); }

void TFormHuangdao::FormShow() {
  const qk::Ymd today = today_();
  const auto fill = [](QComboBox* box, int value, int digits) {
    if (box->currentText().trimmed().isEmpty())
      box->setEditText(QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0')));
  };
  fill(SYear, today.year, 4);
  fill(SMonth, today.month, 2);
  fill(Sday, today.day, 2);
  BtnCesuanClick();
}

void TFormHuangdao::BtnCesuanClick() {
  const auto checked =
      qk::calendar::CheckAlmanacDate(S(SYear->currentText()), S(SMonth->currentText()), S(Sday->currentText()));
  if (!checked.message.empty()) {
    qk::ui::ShowInfo(Q(checked.message));
    return;
  }
  const auto found = qk::calendar::LookupAlmanac(checked.date);
  if (found.status == qk::calendar::AlmanacLookupStatus::Failed) {
    qk::ui::ShowError(kReferenceProblem);
    return;
  }
  if (found.status == qk::calendar::AlmanacLookupStatus::NoRow) return;
  LblSummary->setText(Q(qk::calendar::AlmanacSummary(checked.key, found.entry)));
  MemoResult->setPlainText(qk::ui::JoinQ(qk::calendar::AlmanacResultLines(found.entry)));
}

void TFormHuangdao::BtnCloseClick() { close(); }

void TFormHuangdao::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  FormShow();
}

void TFormHuangdao::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, QColor(0xFF, 0xF8, 0xE7));
  gradient.setColorAt(1, QColor(0xF2, 0xDC, 0xB0));
  painter.fillRect(rect(), gradient);
}

namespace qk::calendar::ui {

TFormHuangdao* ShowHuangdaoWindow(QWidget* parent) {
  auto* window = new TFormHuangdao(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace qk::calendar::ui
