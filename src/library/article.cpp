#include "library/article.h"

#include "common/gbk.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::library {

std::vector<std::string> SplitArticleLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back().push_back(c);
    }
  }
  return lines;
}

std::string RemoveNotice(std::string text, std::string_view notice) {
  if (notice.empty()) return text;
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t hit = text.find(notice); hit != std::string::npos; hit = text.find(notice, start)) {
    out.append(text, start, hit - start);
    start = hit + notice.size();
  }
  out.append(text, start);
  return out;
}

std::string GbkToUtf8Lossy(std::string_view gbk) {
  if (auto whole = GbkToUtf8(gbk)) return *whole;
  std::string out;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      ++i;
      continue;
    }
    if (i + 1 < gbk.size()) {
      if (auto pair = GbkToUtf8(gbk.substr(i, 2))) {
        out += *pair;
        i += 2;
        continue;
      }
    }
    out += "\xEF\xBF\xBD";
    ++i;
  }
  return out;
}

std::vector<std::string> ArticlePaneLines(std::string_view content, std::string_view notice, const BeepFn& beep) {
  const std::string bytes = DescrambleText(Trim(content), kArticleKey, kArticleRounds, beep);
  std::vector<std::string> lines = SplitArticleLines(RemoveNotice(GbkToUtf8Lossy(bytes), notice));
  lines.emplace_back();
  lines.emplace_back();
  lines.emplace_back(kArticleClosingLine);
  return lines;
}

std::optional<ArticleView> LoadArticle(std::string_view id, const BeepFn& beep) {
  const data::Rows rows =
      data::QueryFirst(data::RefDb::KunBirth, "select Tite,content from Noter where Cid = ?", {std::string(id)});
  if (rows.failed()) return std::nullopt;
  if (rows.count() == 0) return ArticleView{std::string(kArticleDefaultTitle), {}};
  return ArticleView{rows.Text(0), ArticlePaneLines(rows.rows[0][1], kReprintNotice, beep)};
}

}  // namespace qk::library
