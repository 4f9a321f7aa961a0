// Screenshots of the two library windows with the shipped articles, for the
// documentation: QK_SCREENSHOT_DIR=docs library_ui_tests --gtest_filter='*Screenshot*'
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "library/ui/ImageInfo.h"
#include "library/ui/UntNote.h"

namespace {

TEST(LibraryScreenshots, ArticleAndPicturePage) {
  const QString dir = qEnvironmentVariable("QK_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set QK_SCREENSHOT_DIR to write the screenshots";
  QDir().mkpath(dir);

  TFrmNote* note = qk::library::ui::OpenArticle("c3");
  ASSERT_TRUE(note);
  EXPECT_TRUE(note->grab().save(dir + "/library-article.png"));

  TImageInfoLoad* pictures = qk::library::ui::OpenPictureArticle(8, QStringLiteral("财神摆放指南 [图]"));
  pictures->BtnNextClick();
  EXPECT_TRUE(pictures->grab().save(dir + "/library-picture-page.png"));

  note->close();
  pictures->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
