// articles_gen OUT.tsv ARTICLE.txt...
//
// Writes the Noter rows of KunBirth.dll. Each article file is UTF-8: its name
// (without .txt) is the article id, its first line the title, then one empty
// line, then the body. The body is stored as GBK with CR LF line breaks,
// mixed with the article key and written as hexadecimal digits.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/gbk.h"
#include "common/text.h"
#include "library/scramble.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Row(const std::filesystem::path& path) {
  const std::vector<std::string> lines = qk::SplitLines(ReadFile(path));
  if (lines.size() < 3 || qk::Trim(lines[0]).empty() || !lines[1].empty())
    throw std::runtime_error(path.string() + ": expected a title, an empty line, then the text");
  std::string body;
  std::size_t last = lines.size();
  while (last > 2 && qk::Trim(lines[last - 1]).empty()) --last;  // no trailing empty lines
  for (std::size_t i = 2; i < last; ++i) {
    if (i > 2) body += "\r\n";
    body += lines[i];
  }
  const auto gbk = qk::Utf8ToGbk(body);
  if (!gbk) throw std::runtime_error(path.string() + ": text has a character outside GBK");
  const std::string id = path.stem().string();
  const std::string title = qk::Trim(lines[0]);
  if (id.find_first_of("\t\\\n") != std::string::npos || title.find_first_of("\t\\") != std::string::npos)
    throw std::runtime_error(path.string() + ": id or title holds a TAB or backslash");
  return id + "\t" + title + "\t" + qk::library::ScrambleText(*gbk, qk::library::kArticleKey,
                                                              qk::library::kArticleRounds) + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: articles_gen OUT.tsv ARTICLE.txt...\n";
    return 2;
  }
  try {
    std::string tsv = "Cid\tTite\tcontent\n";
    for (int i = 2; i < argc; ++i) tsv += Row(argv[i]);
    const std::filesystem::path out = argv[1];
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file << tsv;
    if (!file.flush()) throw std::runtime_error("cannot write " + out.string());
  } catch (const std::exception& e) {
    std::cerr << "articles_gen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
