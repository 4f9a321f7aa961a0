#include "divination/ui/UntOnther.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>

#include "common/ui/fonts.h"
#include "common/ui/qt_text.h"

namespace {

// 388 × 283 outside, less the frame and title bar.
constexpr int kClientWidth = 372;
constexpr int kClientHeight = 245;
constexpr int kNoteHeight = 74;

}  // namespace

TFormOnther::TFormOnther(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("FormOnther"));
  setFont(qk::ui::SongFont(9));
  setFixedSize(kClientWidth, kClientHeight);

  PageControl1 = new QStackedWidget(this);
  PageControl1->setGeometry(2, 2, kClientWidth - 4, kClientHeight - kNoteHeight - 4);
  for (int page = 0; page < qk::divination::kOmenPageCount; ++page) {
    auto* memo = new QPlainTextEdit(PageControl1);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #FFFBEA; color: black; }"));
    memo->setPlainText(qk::ui::Q(qk::divination::OmenPageText(page)));
    PageControl1->addWidget(memo);
    pageMemos[page] = memo;
  }

  QStringList note;
  for (const char* line : qk::divination::OmenNoteLines()) note << QString::fromUtf8(line);
  Label1 = new QLabel(note.join(QLatin1Char('\n')), this);
  Label1->setGeometry(4, kClientHeight - kNoteHeight, kClientWidth - 6, kNoteHeight - 2);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label1->setStyleSheet(QStringLiteral("color: navy;"));

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
}

void TFormOnther::SelectPage(int page) {
  if (page >= 0 && page < qk::divination::kOmenPageCount) PageControl1->setCurrentIndex(page);
}

int TFormOnther::currentPage() const { return PageControl1->currentIndex(); }

namespace qk::divination::ui {

TFormOnther* OpenOmenWindow(const QString& caption, int page, QWidget* parent) {
  if (page < 0 || page >= kOmenPageCount) return nullptr;
  auto* window = new TFormOnther(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(caption);
  window->SelectPage(page);
  window->show();
  return window;
}

TFormOnther* OpenOmenWindow(int page, QWidget* parent) {
  if (page < 0 || page >= kOmenPageCount) return nullptr;
  return OpenOmenWindow(QString::fromUtf8(OmenPages()[page].caption), page, parent);
}

}  // namespace qk::divination::ui
