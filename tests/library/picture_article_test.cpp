#include "library/picture_article.h"

#include <gtest/gtest.h>

#include "library/library_fixture.h"

namespace qk::library {
namespace {

TEST(LoadPictureArticle, ReadsItsPagesInOrderWithTheirPicturesUntouched) {
  test::LibraryFixture fixture;
  const PictureArticle article = LoadPictureArticle(3);
  EXPECT_EQ(article.number, 3);
  ASSERT_EQ(article.PageCount(), 3);
  EXPECT_EQ(article.pages[0].picture, test::kPictureBytes);
  EXPECT_EQ(article.pages[0].text, "第一页");
  EXPECT_EQ(article.pages[2].text, "第三页");
}

TEST(LoadPictureArticle, GapsAreEmptyPagesAndAnArticleHasAtLeastOne) {
  test::LibraryFixture fixture;
  const PictureArticle gap = LoadPictureArticle(5);
  ASSERT_EQ(gap.PageCount(), 2);
  EXPECT_EQ(gap.pages[0].text, "");
  EXPECT_EQ(gap.pages[1].text, "只有第二页");
  EXPECT_EQ(LoadPictureArticle(7).PageCount(), 1);   // page 20 lies beyond the window
  EXPECT_EQ(LoadPictureArticle(19).PageCount(), 1);  // no pages at all
  test::LibraryFixture noDatabase(false);
  EXPECT_EQ(LoadPictureArticle(3).PageCount(), 1);
}

TEST(NavigatePage, StaysWithinTheArticle) {
  struct Case {
    PageCommand command;
    int current, count, button, expected;
  };
  const Case cases[] = {
      {PageCommand::First, 3, 3, 0, 1},    {PageCommand::Last, 1, 3, 0, 3},
      {PageCommand::Previous, 1, 3, 0, 1}, {PageCommand::Previous, 3, 3, 0, 2},
      {PageCommand::Next, 3, 3, 0, 3},     {PageCommand::Next, 1, 3, 0, 2},
      {PageCommand::Button, 1, 3, 2, 2},   {PageCommand::Button, 2, 3, 4, 2},
      {PageCommand::Next, 1, 1, 0, 1},     {PageCommand::Last, 1, 15, 0, 15},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NavigatePage(c.command, c.current, c.count, c.button), c.expected)
        << static_cast<int>(c.command) << " from " << c.current << " of " << c.count;
}

}  // namespace
}  // namespace qk::library
