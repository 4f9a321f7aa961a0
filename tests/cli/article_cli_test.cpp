#include <gtest/gtest.h>

#include "library/article.h"
#include "library/library_menu.h"
#include "support/run_cli.h"

namespace {

using qk::test::RunCli;

TEST(ArticleCli, PrintsTheCaptionThenThePane) {
  const auto run = RunCli({"article", "c1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "风水常识");
  const std::string ending = "\n\n\n" + std::string(qk::library::kArticleClosingLine) + "\n";
  ASSERT_GE(run.out.size(), ending.size());
  EXPECT_EQ(run.out.substr(run.out.size() - ending.size()), ending);
  EXPECT_GT(run.out.size(), 1000u);  // a real article, not just the frame
}

TEST(ArticleCli, EveryArticleOfTheMenusIsStored) {
  for (const auto& entry : qk::library::kArticleMenuEntries) {
    const auto run = RunCli({"article", std::string(entry.id)});
    ASSERT_EQ(run.exitCode, 0) << entry.id;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), entry.caption) << entry.id;
  }
}

TEST(ArticleCli, AnUnknownIdPrintsTheDefaultCaptionAlone) {
  const auto run = RunCli({"article", "c1' or '1'='1"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "算命\n");
}

TEST(ArticleCli, NeedsExactlyOneId) {
  EXPECT_EQ(RunCli({"article"}).exitCode, 2);
  EXPECT_EQ(RunCli({"article", "c1", "c2"}).exitCode, 2);
}

}  // namespace
