#include "library/article.h"

#include <gtest/gtest.h>

#include "library/library_fixture.h"

namespace qk::library {
namespace {

using Lines = std::vector<std::string>;
const std::string kClosing(kArticleClosingLine);

TEST(SplitArticleLines, BreaksOnCrLfCrOrLf) {
  EXPECT_EQ(SplitArticleLines(""), Lines{""});
  EXPECT_EQ(SplitArticleLines("甲\r\n乙"), (Lines{"甲", "乙"}));
  EXPECT_EQ(SplitArticleLines("甲\r乙\n丙"), (Lines{"甲", "乙", "丙"}));
  EXPECT_EQ(SplitArticleLines("甲\r\n\r\n乙"), (Lines{"甲", "", "乙"}));
  EXPECT_EQ(SplitArticleLines("甲\n"), (Lines{"甲", ""}));
  EXPECT_EQ(SplitArticleLines("\n\r"), (Lines{"", "", ""}));
}

TEST(RemoveNotice, RemovesEveryOccurrenceAndNothingForAnEmptyNotice) {
  EXPECT_EQ(RemoveNotice("甲【转载】乙【转载】", "【转载】"), "甲乙");
  EXPECT_EQ(RemoveNotice("甲乙", ""), "甲乙");
  EXPECT_EQ(kReprintNotice, "");
}

TEST(ArticlePaneLines, EndsWithTwoEmptyLinesAndTheClosingLine) {
  EXPECT_EQ(kClosing, std::string(13, '-') + "以上内容紧着参考" + std::string(53, '-'));
  // One character decodes to nothing: an empty first line, then the ending.
  EXPECT_EQ(ArticlePaneLines("4"), (Lines{"", "", "", kClosing}));
  // Blanks around the content are trimmed away before decoding: no beep.
  int beeps = 0;
  EXPECT_EQ(ArticlePaneLines("  41\r\n", "", [&] { ++beeps; }), (Lines{"A", "", "", kClosing}));
  EXPECT_EQ(beeps, 0);
  // The notice goes, the rest stays.
  EXPECT_EQ(ArticlePaneLines(test::Stored("正文。本文转自某网站。"), "本文转自某网站。"),
            (Lines{"正文。", "", "", kClosing}));
}

TEST(GbkToUtf8Lossy, KeepsWhatCanBeReadOfDamagedBytes) {
  EXPECT_EQ(GbkToUtf8Lossy("\xC4\xE3\xBA\xC3"), "你好");
  EXPECT_EQ(GbkToUtf8Lossy("A\xFF" "B\xC4\xE3"), "A\xEF\xBF\xBD" "B你");
}

TEST(LoadArticle, ReadsTitleAndTextOfAStoredArticle) {
  test::LibraryFixture fixture;
  const auto article = LoadArticle("c1");
  ASSERT_TRUE(article);
  EXPECT_EQ(article->title, "居家小记");  // trimmed
  EXPECT_EQ(article->lines, (Lines{"第一行", "第二行", "", "", kClosing}));
}

TEST(LoadArticle, AnIdWithAQuoteIsAKeyLikeAnyOther) {
  test::LibraryFixture fixture;
  const auto article = LoadArticle("o'k");
  ASSERT_TRUE(article);
  EXPECT_EQ(article->title, "引号");
  EXPECT_EQ(article->lines, (Lines{"A", "", "", kClosing}));
  const auto injected = LoadArticle("x' or '1'='1");
  ASSERT_TRUE(injected);
  EXPECT_EQ(injected->title, "算命");
}

TEST(LoadArticle, AMissingIdGivesTheDefaultCaptionAndNoText) {
  test::LibraryFixture fixture;
  const auto article = LoadArticle("c99");
  ASSERT_TRUE(article);
  EXPECT_EQ(article->title, "算命");
  EXPECT_TRUE(article->lines.empty());
}

TEST(LoadArticle, BeepsForEachBadPairAndShowsTheRest) {
  test::LibraryFixture fixture;
  int beeps = 0;
  const auto article = LoadArticle("zz", [&] { ++beeps; });
  ASSERT_TRUE(article);
  EXPECT_EQ(article->lines.front(), "A");
  EXPECT_EQ(beeps, 1);
}

TEST(LoadArticle, AnUnreadableDatabaseGivesNothing) {
  test::LibraryFixture fixture(/*withDatabases=*/false);
  EXPECT_FALSE(LoadArticle("c1"));
}

}  // namespace
}  // namespace qk::library
