#include "library/ui/ImageInfo.h"

#include <QPixmap>
#include <algorithm>

#include "common/ui/fonts.h"
#include "common/ui/qt_text.h"

using qk::library::PageCommand;

TPageButton::TPageButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  SetFrameColor(TImageInfoLoad::kNormalFrame);
}

void TPageButton::SetFrameColor(const QColor& color) {
  frame_ = color;
  setStyleSheet(QStringLiteral("QPushButton { border: 1px solid %1; background: #F6F1E4; padding: 0; }"
                               "QPushButton:hover { background: #FFF8E2; }"
                               "QPushButton:pressed { background: #E9DFC6; }"
                               "QPushButton:disabled { color: #A8A8A8; background: #EFEDE8; }")
                    .arg(color.name()));
}

namespace {

constexpr int kClientWidth = 652;
constexpr int kClientHeight = 524;
constexpr int kNavHeight = 56;
constexpr int kPictureWidth = 648;
constexpr int kPictureHeight = 301;
constexpr int kTextHeight = 166;
constexpr int kPageButtonWidth = 20;
constexpr int kRowHeight = 24;

}  // namespace

TImageInfoLoad::TImageInfoLoad(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      PageControl(new QStackedWidget(this)),
      NavBar(new QWidget(this)),
      BtnFirstArrow(new QToolButton(NavBar)),
      BtnLastArrow(new QToolButton(NavBar)),
      BtnFirst(new QPushButton(QStringLiteral("首页"), NavBar)),
      BtnPrev(new QPushButton(QStringLiteral("上一页"), NavBar)),
      BtnNext(new QPushButton(QStringLiteral("下一页"), NavBar)),
      BtnLast(new QPushButton(QStringLiteral("最末"), NavBar)),
      BtnClose(new QPushButton(QStringLiteral("关闭"), NavBar)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(qk::ui::SongFont(9));

  PageControl->setGeometry(0, 0, kClientWidth, kClientHeight - kNavHeight);
  const int margin = (kClientWidth - kPictureWidth) / 2;
  for (int k = 0; k < kPages; ++k) {
    auto* page = new QWidget(PageControl);
    PagePictures[k] = new QLabel(page);
    PagePictures[k]->setGeometry(margin, 0, kPictureWidth, kPictureHeight);
    PagePictures[k]->setAlignment(Qt::AlignCenter);
    PageTexts[k] = new QPlainTextEdit(page);
    PageTexts[k]->setGeometry(margin, kPictureHeight, kPictureWidth, kTextHeight);
    PageTexts[k]->setReadOnly(true);
    PageTexts[k]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap
    PageTexts[k]->setFont(qk::ui::SongFont(10.5));
    PageTexts[k]->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #FFFDF4; color: #202020; }"));
    PageControl->addWidget(page);
  }

  NavBar->setGeometry(0, kClientHeight - kNavHeight, kClientWidth, kNavHeight);
  // First row, centred: arrow, the fifteen page buttons, arrow.
  const int rowWidth = 2 * (kRowHeight + 2) + kPages * kPageButtonWidth;
  const int left = (kClientWidth - rowWidth) / 2;
  BtnFirstArrow->setArrowType(Qt::LeftArrow);
  BtnFirstArrow->setToolTip(QStringLiteral("第一页"));
  BtnFirstArrow->setGeometry(left, 3, kRowHeight, kRowHeight);
  for (int k = 0; k < kPages; ++k) {
    PageButtons[k] = new TPageButton(QString::number(k + 1), NavBar);
    PageButtons[k]->setGeometry(left + kRowHeight + 2 + k * kPageButtonWidth, 3, kPageButtonWidth, kRowHeight);
    connect(PageButtons[k], &QPushButton::clicked, this, [this, k] { PageButtonClick(k + 1); });
  }
  BtnLastArrow->setArrowType(Qt::RightArrow);
  BtnLastArrow->setToolTip(QStringLiteral("最后一页"));
  BtnLastArrow->setGeometry(left + rowWidth - kRowHeight, 3, kRowHeight, kRowHeight);
  // Second row: the four steps under the page buttons, 关闭 at the right.
  int x = left;
  for (QPushButton* button : {BtnFirst, BtnPrev, BtnNext, BtnLast}) {
    button->setGeometry(x, 29, 64, kRowHeight);
    x += 68;
  }
  BtnClose->setGeometry(kClientWidth - 6 - 72, 29, 72, kRowHeight);

  connect(BtnFirstArrow, &QToolButton::clicked, this, &TImageInfoLoad::BtnFirstArrowClick);
  connect(BtnLastArrow, &QToolButton::clicked, this, &TImageInfoLoad::BtnLastArrowClick);
  connect(BtnFirst, &QPushButton::clicked, this, &TImageInfoLoad::BtnFirstClick);
  connect(BtnPrev, &QPushButton::clicked, this, &TImageInfoLoad::BtnPrevClick);
  connect(BtnNext, &QPushButton::clicked, this, &TImageInfoLoad::BtnNextClick);
  connect(BtnLast, &QPushButton::clicked, this, &TImageInfoLoad::BtnLastClick);
  connect(BtnClose, &QPushButton::clicked, this, &TImageInfoLoad::BtnCloseClick);

  PageControl->setCurrentIndex(0);
}

void TImageInfoLoad::LoadPictureArticle(const qk::library::PictureArticle& article) {
  article_ = article.number;
  pageCount_ = std::clamp(article.PageCount(), 1, kPages);
  for (int k = 0; k < kPages; ++k) {
    QPixmap picture;
    PageTexts[k]->clear();
    if (k < article.PageCount()) {
      const auto& page = article.pages[static_cast<std::size_t>(k)];
      picture.loadFromData(reinterpret_cast<const uchar*>(page.picture.data()),
                           static_cast<uint>(page.picture.size()));
      PageTexts[k]->setPlainText(qk::ui::Q(page.text));
    }
    if (!picture.isNull() && (picture.width() > kPictureWidth || picture.height() > kPictureHeight))
      picture = picture.scaled(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    PagePictures[k]->setPixmap(picture);
    PageButtons[k]->setEnabled(k < pageCount_);
  }
  current_ = 1;
  PageControl->setCurrentIndex(0);
}

void TImageInfoLoad::ShowPicturePage(int p) {
  current_ = std::clamp(p, 1, pageCount_);
  for (int k = 0; k < kPages; ++k) PageButtons[k]->SetFrameColor(k + 1 == current_ ? kCurrentFrame : kNormalFrame);
  PageControl->setCurrentIndex(current_ - 1);
}

void TImageInfoLoad::Navigate(PageCommand command, int button) {
  ShowPicturePage(qk::library::NavigatePage(command, current_, pageCount_, button));
}

void TImageInfoLoad::BtnFirstArrowClick() { Navigate(PageCommand::First); }
void TImageInfoLoad::BtnLastArrowClick() { Navigate(PageCommand::Last); }
void TImageInfoLoad::BtnFirstClick() { Navigate(PageCommand::First); }
void TImageInfoLoad::BtnPrevClick() { Navigate(PageCommand::Previous); }
void TImageInfoLoad::BtnNextClick() { Navigate(PageCommand::Next); }
void TImageInfoLoad::BtnLastClick() { Navigate(PageCommand::Last); }
void TImageInfoLoad::PageButtonClick(int k) { Navigate(PageCommand::Button, k); }
void TImageInfoLoad::BtnCloseClick() { close(); }

namespace qk::library::ui {

TImageInfoLoad* OpenPictureArticle(int number, const QString& title) {
  auto* window = new TImageInfoLoad;
  window->LoadPictureArticle(library::LoadPictureArticle(number));
  window->setWindowTitle(title);
  window->show();
  return window;
}

}  // namespace qk::library::ui
