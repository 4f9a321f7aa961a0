#include "app/Unt_Main.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/input_panel_items.h"
#include "app/menu_tree.h"
#include "common/text.h"
#include "common/ui/fonts.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"
#include "fengshui/lunar_mansions.h"
#include "fengshui/star_table.h"
#include "fengshui/trigrams.h"

using qk::ui::S;

namespace qk::app {
namespace {

// Client area that gives an 800 × 600 window with a usual frame and caption.
constexpr int kClientWidth = 784;
constexpr int kClientHeight = 562;
constexpr int kMenuHeight = 22;
constexpr int kPanelHeight = 83;
constexpr int kColumnWidth = 176;
constexpr int kBottomBarHeight = 34;
constexpr int kStatusHeight = 20;

QString Item(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename Range>
QStringList Items(const Range& range) {
  QStringList list;
  for (const auto& item : range) list << Item(item);
  return list;
}

QStringList NumberItems(int first, int last) {
  QStringList list;
  for (int n = first; n <= last; ++n) list << QString::number(n);
  return list;
}

QComboBox* MakeCombo(QWidget* parent, int x, int y, int width, const QStringList& items, bool editable,
                     int rowsShown, const QString& initial) {
  auto* box = new QComboBox(parent);
  box->setEditable(editable);
  box->addItems(items);
  box->setMaxVisibleItems(rowsShown);
  box->setGeometry(x, y, width, 20);
  box->setCurrentIndex(static_cast<int>(items.indexOf(initial)));
  if (editable) box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width = 24) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, 20);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int x, int y, int width, int height) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, width, height);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

PictureWidget::PictureWidget(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Frmmain"));
  setWindowTitle(QStringLiteral("乾坤宅鉴"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(qk::ui::SongFont(9));

  BuildMenus();
  auto* central = new QWidget(this);
  auto* rows = new QVBoxLayout(central);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  rows->addWidget(BuildInputPanel());
  auto* lower = new QHBoxLayout;
  lower->setContentsMargins(0, 0, 0, 0);
  lower->setSpacing(0);
  lower->addWidget(BuildCommandColumn());
  lower->addWidget(BuildResultArea(), 1);
  rows->addLayout(lower, 1);
  setCentralWidget(central);

  welcomeLabel = new QLabel(Item(kWelcomeLine));
  welcomeLabel->setStyleSheet(QStringLiteral("color: navy;"));
  statusBar()->addWidget(welcomeLabel, 1);
  statusBar()->setFixedHeight(kStatusHeight);
  statusBar()->setSizeGripEnabled(false);

  resize(kClientWidth, kClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
  }
}

void TFrmmain::BuildMenus() {
  menuBar()->setMinimumHeight(kMenuHeight);
  std::vector<QMenu*> open;  // open[d] receives the rows of depth d + 1
  for (const MenuRow& row : MenuTree()) {
    open.resize(static_cast<std::size_t>(row.depth));
    if (row.command == Command::Submenu) {
      QMenu* menu = row.depth == 0 ? menuBar()->addMenu(Item(row.caption)) : open.back()->addMenu(Item(row.caption));
      if (row.depth == 0) topMenus.push_back(menu);
      open.push_back(menu);
      continue;
    }
    QAction* action = open.back()->addAction(Item(row.caption));
    action->setProperty("hint", Item(row.hint));
    if (row.command != Command::ArticleEntry) {
      const CommandRef command{row.command, row.argument, row.caption};
      connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
  }
  ConnectArticleEntries();
}

void TFrmmain::ConnectArticleEntries() {
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (IsArticleHint(S(action->property("hint").toString())))
      connect(action, &QAction::triggered, this, &TFrmmain::ArticleEntryClick);
  }
}

QWidget* TFrmmain::BuildInputPanel() {
  auto* panel = new PictureWidget(BannerPicture(), this);
  panel->setObjectName(QStringLiteral("inputPanel"));
  panel->setFixedHeight(kPanelHeight);

  MakeLabel(panel, QStringLiteral("性别"), 372, 7, 28);
  CBsex = MakeCombo(panel, 400, 7, 38, Items(kSexItems), false, 8, QStringLiteral("男"));
  ComDate = MakeCombo(panel, 440, 7, 52, Items(kDateKindItems), false, 8, QStringLiteral("公历"));
  SYear = MakeCombo(panel, 494, 7, 52, NumberItems(kFirstListedYear, kLastListedYear), true, 30,
                    QStringLiteral("1980"));
  MakeLabel(panel, QStringLiteral("年"), 546, 7, 13);
  SMonth = MakeCombo(panel, 559, 7, 35, NumberItems(1, 12), true, 12, QStringLiteral("1"));
  MakeLabel(panel, QStringLiteral("月"), 594, 7, 14);
  Sday = MakeCombo(panel, 608, 7, 35, NumberItems(1, 31), true, 31, QStringLiteral("1"));
  MakeLabel(panel, QStringLiteral("日"), 643, 7, 14);
  Shour = MakeCombo(panel, 659, 7, 54, Items(kHourItems), true, 24, QStringLiteral("子 0"));
  MakeLabel(panel, QStringLiteral("时"), 713, 7, 14);
  CBFen = MakeCombo(panel, 728, 7, 35, NumberItems(0, 59), true, 30, QStringLiteral("0"));
  MakeLabel(panel, QStringLiteral("分"), 763, 7, 14);

  MakeLabel(panel, QStringLiteral("山向"), 372, 32, 28);
  CBShanxiang = MakeCombo(panel, 400, 32, 149, Items(kMountainItems), false, 24, QStringLiteral("壬山丙向：坎"));
  MakeLabel(panel, QStringLiteral("门位"), 552, 32, 28);
  CBMenwei = MakeCombo(panel, 580, 32, 51, Items(kDoorItems), false, 8, QStringLiteral("坎"));
  MakeLabel(panel, QStringLiteral("内容字体大小"), 634, 32, 78);
  CBFont = MakeCombo(panel, 712, 32, 68, Items(kFontSizeItems), true, 8, QStringLiteral("小五号"));
  connect(CBFont, &QComboBox::currentIndexChanged, this, [this](int index) {
    fontItemIndex_ = index;
    CBFontChange();
  });
  connect(CBFont->lineEdit(), &QLineEdit::textEdited, this, [this] {
    fontItemIndex_ = -1;
    CBFontChange();
  });

  const QString buttonStyle = QStringLiteral("QPushButton { color: red; font-weight: bold; }");
  auto actionButton = [&](const char* caption, int x) {
    QPushButton* button = MakeButton(panel, QString::fromUtf8(caption), x, 57, 64, 22);
    button->setStyleSheet(buttonStyle);
    return button;
  };
  RzButton1 = actionButton("风水分析", 447);
  RzButton20 = actionButton("玄空分析", 514);
  RzButton21 = actionButton("星宿分析", 582);
  RzButton22 = actionButton("八字简析", 649);
  RzButton23 = actionButton("每日一卦", 716);
  const std::pair<QPushButton*, Command> actions[] = {{RzButton1, Command::FengshuiReport},
                                                      {RzButton20, Command::XuankongReport},
                                                      {RzButton21, Command::None},
                                                      {RzButton22, Command::BaziReport},
                                                      {RzButton23, Command::DailyGua}};
  for (const auto& [button, command] : actions)
    connect(button, &QPushButton::clicked, this, [this, command = command] { RunCommand({command}); });
  return panel;
}

QWidget* TFrmmain::BuildCommandColumn() {
  commandScroll = new QScrollArea(this);
  commandScroll->setObjectName(QStringLiteral("commandColumn"));
  commandScroll->setFixedWidth(kColumnWidth);
  commandScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  commandScroll->setFrameShape(QFrame::NoFrame);
  auto* column = new QWidget;
  // Tall enough for the last row and a small margin; the scroll bar appears
  // only when the window is made lower than the column.
  column->setFixedSize(kColumnWidth, kCommandRowTops.back() + 22 + 3);
  column->setStyleSheet(QStringLiteral("background-color: #f5ead2;"));
  for (std::size_t i = 0; i < kCommandColumn.size(); ++i) {
    const int x = i % 2 == 0 ? 5 : 91;
    const int y = kCommandRowTops[i / 2];
    auto* button = MakeButton(column, Item(kCommandColumn[i].caption), x, y, 80, 22);
    button->setStyleSheet(QStringLiteral("background-color: #fffaf0;"));
    const CommandRef command = kCommandColumn[i].command;
    connect(button, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
    commandButtons.push_back(button);
  }
  commandScroll->setWidget(column);
  return commandScroll;
}

QWidget* TFrmmain::BuildResultArea() {
  auto* area = new PictureWidget(ResultBackgroundPicture(), this);
  area->setObjectName(QStringLiteral("resultArea"));
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Memo1 = new QPlainTextEdit(area);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(qk::ui::SongFont(9));
  Memo1->hide();
  layout->addWidget(Memo1, 1);
  layout->addStretch(0);

  REbazi = new QTextEdit(area);
  REbazi->hide();
  Smin = new QComboBox(area);
  Smin->addItems(NumberItems(0, 59));
  Smin->hide();
  auto hiddenTable = [area](const std::vector<std::string>& lines) {
    auto* memo = new QPlainTextEdit(area);
    memo->setReadOnly(true);
    memo->setPlainText(qk::ui::JoinQ(lines));
    memo->hide();
    return memo;
  };
  MemoXingsu = hiddenTable(qk::fengshui::MemoXingsuLines());
  MemoGua = hiddenTable(qk::fengshui::MemoGuaLines());
  for (std::size_t i = 0; i < houseGridMemos.size(); ++i)
    houseGridMemos[i] = hiddenTable(qk::fengshui::HouseGridLines(qk::fengshui::kDoorOrder[i]));

  auto* bar = new PictureWidget(BottomBarPicture(), area);
  bar->setFixedHeight(kBottomBarHeight);
  btnService = MakeButton(bar, QStringLiteral("客户服务"), 3, 5, 69, 22);
  btnChat = MakeButton(bar, QStringLiteral("联系QQ"), 73, 5, 69, 22);
  btnMore = MakeButton(bar, QStringLiteral("更多软件"), 143, 5, 69, 22);
  btnPrint = MakeButton(bar, QStringLiteral("打印"), 388, 5, 69, 23);
  btnSave = MakeButton(bar, QStringLiteral("保存"), 460, 5, 69, 23);
  btnExit = MakeButton(bar, QStringLiteral("退出"), 532, 5, 69, 23);
  const std::pair<QPushButton*, Command> barCommands[] = {{btnService, Command::Service}, {btnChat, Command::Chat},
                                                          {btnMore, Command::HomePage},   {btnPrint, Command::None},
                                                          {btnSave, Command::None},       {btnExit, Command::Exit}};
  for (const auto& [button, command] : barCommands)
    connect(button, &QPushButton::clicked, this, [this, command = command] { RunCommand({command}); });
  layout->addWidget(bar);
  return area;
}

PanelInput TFrmmain::ReadPanel() const {
  PanelInput input;
  input.sex = S(CBsex->currentText());
  input.dateKind = ComDate->currentIndex();
  input.year = Trim(qk::ui::S(SYear->currentText()));
  input.month = Trim(qk::ui::S(SMonth->currentText()));
  input.day = Trim(qk::ui::S(Sday->currentText()));
  input.hour = qk::ui::S(Shour->currentText());
  input.minute = qk::ui::S(CBFen->currentText());
  return input;
}

void TFrmmain::ShowOutcome(const ReportOutcome& outcome) {
  switch (outcome.kind) {
    case ReportOutcome::Kind::Report:
      REbazi->clear();
      REbazi->setPlainText(qk::ui::JoinQ(outcome.lines));
      Memo1->setPlainText(REbazi->toPlainText());
      Memo1->show();
      break;
    case ReportOutcome::Kind::Info: qk::ui::ShowInfo(qk::ui::Q(outcome.message)); break;
    case ReportOutcome::Kind::Error: qk::ui::ShowError(qk::ui::Q(outcome.message)); break;
    case ReportOutcome::Kind::Silent: break;
  }
}

void TFrmmain::CBFontChange() {
  const int size = ResultPanePointSize(fontItemIndex_);
  if (size == 0) return;
  QFont font = Memo1->font();
  font.setPointSize(size);
  Memo1->setFont(font);
}

void TFrmmain::ExitClick() { QApplication::quit(); }

void TFrmmain::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // Closing the main window ends the program, whatever other windows are open.
  QApplication::quit();
}

}  // namespace qk::app
