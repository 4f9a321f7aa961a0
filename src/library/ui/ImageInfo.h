#pragma once
// The picture-article window: up to 15 pages, each a picture above a text,
// with a two-row navigation bar.
#include <QColor>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "library/picture_article.h"

// A page button whose frame colour marks the current page.
class TPageButton : public QPushButton {
  Q_OBJECT
 public:
  TPageButton(const QString& caption, QWidget* parent);
  void SetFrameColor(const QColor& color);
  QColor FrameColor() const { return frame_; }

 private:
  QColor frame_;
};

class TImageInfoLoad : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPages = qk::library::kMaxPicturePages;
  static inline const QColor kCurrentFrame{0xFF, 0x00, 0x00};
  static inline const QColor kNormalFrame{0x00, 0x3C, 0x74};

  explicit TImageInfoLoad(QWidget* parent = nullptr);

  // Page area without tabs: page k (1 … 15) is PageControl->widget(k - 1).
  QStackedWidget* PageControl;
  std::array<QLabel*, kPages> PagePictures{};
  std::array<QPlainTextEdit*, kPages> PageTexts{};
  // Navigation bar, first row.
  QWidget* NavBar;
  QToolButton* BtnFirstArrow;
  std::array<TPageButton*, kPages> PageButtons{};
  QToolButton* BtnLastArrow;
  // Second row.
  QPushButton* BtnFirst;  // 首页
  QPushButton* BtnPrev;   // 上一页
  QPushButton* BtnNext;   // 下一页
  QPushButton* BtnLast;   // 最末
  QPushButton* BtnClose;  // 关闭

  int ArticleNumber() const { return article_; }
  int PageCount() const { return pageCount_; }
  int CurrentPage() const { return current_; }

  // Puts the pages of `article` into the page area and disables the page
  // buttons above its page count.
  void LoadPictureArticle(const qk::library::PictureArticle& article);
  // Marks page button p red and the others dark blue, and shows page p.
  void ShowPicturePage(int p);

  void BtnFirstArrowClick();
  void BtnLastArrowClick();
  void BtnFirstClick();
  void BtnPrevClick();
  void BtnNextClick();
  void BtnLastClick();
  void PageButtonClick(int k);
  void BtnCloseClick();

 private:
  void Navigate(qk::library::PageCommand command, int button = 0);

  int article_ = 0;
  int pageCount_ = 1;
  int current_ = 1;
};

namespace qk::library::ui {

// Opens a new window on picture article `number` with `title` as caption and
// returns it; earlier windows stay open. The window frees itself when closed.
TImageInfoLoad* OpenPictureArticle(int number, const QString& title);

}  // namespace qk::library::ui
