// article: the caption and the text pane of an article window.
#include <ostream>

#include "cli/cli_command.h"
#include "data/reference_db.h"
#include "library/article.h"

namespace qk::cli {
namespace {

int RunArticle(const Args& args, Context& context);

const Command kArticle{"article", "ID", "显示一篇文章：窗口标题，然后正文", RunArticle};

int RunArticle(const Args& args, Context& context) {
  if (args.size() != 1) return UsageProblem(context, kArticle);
  // A bad pair of digits in the stored text rings the terminal bell.
  const auto article = library::LoadArticle(args[0], [&context] { context.err << '\a' << std::flush; });
  if (!article) return DataProblem(context, data::ReferenceFileName(data::RefDb::KunBirth));
  context.out << article->title << "\n";
  for (const std::string& line : article->lines) context.out << line << "\n";
  return kExitOk;
}

QK_CLI_COMMAND(kArticle);

}  // namespace
}  // namespace qk::cli
