#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

#include "library/library_fixture.h"
#include "library/library_menu.h"
#include "library/ui/ImageInfo.h"
#include "library/ui/UntNote.h"

namespace {

using qk::library::ui::OpenArticle;
using qk::library::ui::OpenPictureArticle;

template <typename Window>
QList<Window*> OpenWindows() {
  QList<Window*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) windows << window;
  return windows;
}

// Closes every window a test left open and lets them free themselves.
void CloseAll() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class LibraryWindows : public ::testing::Test {
 protected:
  void TearDown() override { CloseAll(); }
  qk::library::test::LibraryFixture fixture_;
};

TEST_F(LibraryWindows, EachOpeningGivesAFurtherArticleWindow) {
  TFrmNote* first = OpenArticle("c1");
  TFrmNote* second = OpenArticle("c1");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(OpenWindows<TFrmNote>().size(), 2);
  for (TFrmNote* window : {first, second}) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("居家小记"));
    EXPECT_TRUE(window->Memo1->toPlainText().startsWith(QStringLiteral("第一行\n第二行\n\n\n-------------以上")));
    EXPECT_TRUE(window->Memo1->isReadOnly());
    EXPECT_EQ(window->size(), QSize(615, 466));
  }
  EXPECT_EQ(first->BtnPrint->x(), 5);
  EXPECT_EQ(first->BtnClose->x(), 78);
  EXPECT_EQ(first->ButtonBar->height(), 33);

  QPointer<TFrmNote> closed = first;
  QTest::mouseClick(first->BtnClose, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());  // freed on close
  EXPECT_EQ(OpenWindows<TFrmNote>(), QList<TFrmNote*>{second});
}

TEST_F(LibraryWindows, AMissingArticleOpensUnderTheDefaultCaption) {
  TFrmNote* window = OpenArticle("c'99");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("算命"));
  EXPECT_TRUE(window->Memo1->toPlainText().isEmpty());
}

TEST_F(LibraryWindows, RightClickOnTheArticleShowsNoMenu) {
  TFrmNote* window = OpenArticle("c1");
  ASSERT_TRUE(window);
  bool menuShown = false;
  // Should a menu open, it runs its own loop: close it from there.
  QTimer::singleShot(0, [&] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      menuShown = true;
      popup->close();
    }
  });
  const QPoint at(20, 20);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->Memo1->viewport()->mapToGlobal(at));
  QApplication::sendEvent(window->Memo1->viewport(), &event);
  QCoreApplication::processEvents();
  EXPECT_FALSE(menuShown);
}

TEST(LibraryWindowsWithoutData, AnUnreadableDatabaseOpensNothing) {
  qk::library::test::LibraryFixture noDatabase(false);
  EXPECT_EQ(OpenArticle("c1"), nullptr);
  EXPECT_TRUE(OpenWindows<TFrmNote>().isEmpty());
}

int RedPage(const TImageInfoLoad& window) {
  int red = 0;
  for (int k = 0; k < TImageInfoLoad::kPages; ++k) {
    const QColor frame = window.PageButtons[k]->FrameColor();
    if (frame == TImageInfoLoad::kCurrentFrame) {
      if (red) return -1;  // two red frames
      red = k + 1;
    } else if (frame != TImageInfoLoad::kNormalFrame) {
      return -2;
    }
  }
  return red;
}

TEST_F(LibraryWindows, PictureArticleNavigation) {
  TImageInfoLoad* window = OpenPictureArticle(3, QStringLiteral("三页文章 [图]"));
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("三页文章 [图]"));
  EXPECT_EQ(window->size(), QSize(652, 524));
  EXPECT_EQ(window->PageCount(), 3);
  // Right after opening: page 1, no red frame, buttons 4 … 15 disabled.
  EXPECT_EQ(window->CurrentPage(), 1);
  EXPECT_EQ(window->PageControl->currentIndex(), 0);
  EXPECT_EQ(RedPage(*window), 0);
  for (int k = 0; k < TImageInfoLoad::kPages; ++k) EXPECT_EQ(window->PageButtons[k]->isEnabled(), k < 3) << k + 1;
  EXPECT_EQ(window->PageTexts[0]->toPlainText(), QStringLiteral("第一页"));

  struct Step {
    QAbstractButton* control;
    int page;
  };
  const Step steps[] = {
      {window->BtnPrev, 1},          // 上一页 on page 1: unchanged, yet marked red
      {window->BtnNext, 2},         {window->BtnNext, 3},
      {window->BtnNext, 3},          // 下一页 on page N: unchanged
      {window->BtnFirst, 1},        {window->BtnLast, 3},          // 最末 shows page N
      {window->BtnFirstArrow, 1},   {window->BtnLastArrow, 3},
      {window->PageButtons[1], 2},  {window->PageButtons[4], 2},   // disabled: cannot be pressed
      {window->BtnPrev, 1},
  };
  for (const Step& step : steps) {
    QTest::mouseClick(step.control, Qt::LeftButton);
    EXPECT_EQ(window->CurrentPage(), step.page) << step.control->text().toStdString();
    EXPECT_EQ(window->PageControl->currentIndex(), step.page - 1);
    EXPECT_EQ(RedPage(*window), step.page);
  }
  EXPECT_EQ(window->PageTexts[2]->toPlainText(), QStringLiteral("第三页"));
}

TEST_F(LibraryWindows, BothMenuEntriesOfTheWealthGodOpenArticleEight) {
  int entries = 0;
  for (const auto& entry : qk::library::kPictureMenuEntries) {
    if (entry.caption != "财神摆放指南 [图]") continue;
    ++entries;
    const QString title = QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size()));
    TImageInfoLoad* window = OpenPictureArticle(entry.number, title);
    EXPECT_EQ(window->ArticleNumber(), 8) << entry.menuPath;
    EXPECT_EQ(window->PageTexts[0]->toPlainText(), QStringLiteral("财神"));
    EXPECT_EQ(window->windowTitle(), title);
  }
  EXPECT_EQ(entries, 2);
  EXPECT_EQ(OpenWindows<TImageInfoLoad>().size(), 2);
}

}  // namespace
