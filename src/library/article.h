#pragma once
// Text articles of the reading library: the rows of Noter in KunBirth.dll.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/scramble.h"

namespace qk::library {

// Caption of an article window whose id has no article.
inline constexpr std::string_view kArticleDefaultTitle = "算命";

// The line that closes every article shown.
inline constexpr std::string_view kArticleClosingLine =
    "-------------以上内容紧着参考-----------------------------------------------------";

// A reprint notice that stored articles may carry and that is cut from the
// text before it is shown. Our own articles carry none, so it is empty; an
// empty notice removes nothing.
inline constexpr std::string_view kReprintNotice = "";

// What an article window shows: its caption and the lines of its text pane.
struct ArticleView {
  std::string title;
  std::vector<std::string> lines;
};

// Splits on CR LF, CR or LF; a final line break gives a final empty line and
// the empty text gives one empty line.
std::vector<std::string> SplitArticleLines(std::string_view text);

// Removes every occurrence of `notice`; an empty notice changes nothing.
std::string RemoveNotice(std::string text, std::string_view notice);

// GBK bytes as UTF-8; a byte that starts no GBK character becomes U+FFFD, so
// a damaged article still shows what can be read.
std::string GbkToUtf8Lossy(std::string_view gbk);

// The pane lines for a stored `content` (untrimmed, as read): descrambled,
// notice removed, then two empty lines and the closing line.
std::vector<std::string> ArticlePaneLines(std::string_view content, std::string_view notice = kReprintNotice,
                                          const BeepFn& beep = {});

// Reads article `id` from KunBirth.dll. nullopt when the database cannot be
// read; an id without a row gives the caption 算命 and no lines.
std::optional<ArticleView> LoadArticle(std::string_view id, const BeepFn& beep = {});

}  // namespace qk::library
