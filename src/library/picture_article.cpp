#include "library/picture_article.h"

#include <algorithm>

#include "common/text.h"
#include "data/reference_db.h"

namespace qk::library {

PictureArticle LoadPictureArticle(int number) {
  PictureArticle article;
  article.number = number;
  const data::Rows rows = data::Query(data::RefDb::KunFile,
                                      "select Page, Picture, Content from PicturePage where Article = ? order by Page",
                                      {std::to_string(number)});
  for (const auto& row : rows.rows) {
    long long page = 0;
    if (row.size() < 3 || !ParseInt(Trim(row[0]), page, 2) || page < 1 || page > kMaxPicturePages) continue;
    if (article.PageCount() < page) article.pages.resize(static_cast<std::size_t>(page));
    // The picture is binary: taken as stored, never trimmed.
    article.pages[static_cast<std::size_t>(page - 1)] = PicturePage{row[1], Trim(row[2])};
  }
  if (article.pages.empty()) article.pages.resize(1);
  return article;
}

int NavigatePage(PageCommand command, int current, int count, int button) {
  count = std::clamp(count, 1, kMaxPicturePages);
  current = std::clamp(current, 1, count);
  switch (command) {
    case PageCommand::First: return 1;
    case PageCommand::Last: return count;
    case PageCommand::Previous: return current > 1 ? current - 1 : current;
    case PageCommand::Next: return current < count ? current + 1 : current;
    case PageCommand::Button: return button >= 1 && button <= count ? button : current;
  }
  return current;
}

}  // namespace qk::library
