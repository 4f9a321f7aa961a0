#pragma once
// A reference directory of our own holding small KunBirth.dll and KunFile.dll
// files, so the library tests do not depend on the shipped articles.
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/gbk.h"
#include "data/reference_db.h"
#include "library/scramble.h"

namespace qk::library::test {

struct StoredArticle {
  std::string id, title, content;
};

struct StoredPage {
  int article, page;
  std::string picture, text;
};

// The stored form of a UTF-8 article body.
inline std::string Stored(const std::string& utf8) {
  return ScrambleText(Utf8ToGbk(utf8).value(), kArticleKey, kArticleRounds);
}

inline const std::vector<StoredArticle>& FixtureArticles() {
  static const std::vector<StoredArticle> articles = {
      {"c1", "  居家小记 ", Stored("第一行\r\n第二行")},
      {"o'k", "引号", "41"},
      {"one", "一个字符", "4"},
      {"blank", "空白", "  41\r\n"},
      {"zz", "坏字符", "zz41"},
  };
  return articles;
}

// Picture bytes that end in a blank and a NUL, to show they are not trimmed.
inline const std::string kPictureBytes = std::string("\x89PNG pic\x00 ", 10);

inline const std::vector<StoredPage>& FixturePages() {
  static const std::vector<StoredPage> pages = {
      {3, 1, kPictureBytes, "第一页"}, {3, 2, "", "第二页"}, {3, 3, "", "第三页"},
      {5, 2, "", "只有第二页"},         {7, 20, "", "页码超出"}, {8, 1, "", "财神"},
  };
  return pages;
}

class LibraryFixture {
 public:
  explicit LibraryFixture(bool withDatabases = true) {
    dir_ = std::filesystem::temp_directory_path() / ("qk library " + std::to_string(::getpid()) + " " +
                                                     std::to_string(counter_++));
    std::filesystem::create_directories(dir_);
    if (withDatabases) {
      Build("KunBirth.dll", "create table Noter (Cid text primary key, Tite text, content text)",
            "insert into Noter values (?, ?, ?)", [](sqlite3_stmt* s) {
              for (const auto& a : FixtureArticles()) {
                Bind(s, 1, a.id);
                Bind(s, 2, a.title);
                Bind(s, 3, a.content);
                Step(s);
              }
            });
      Build("KunFile.dll",
            "create table PicturePage (Article integer, Page integer, Picture blob, Content text,"
            " primary key (Article, Page))",
            "insert into PicturePage values (?, ?, ?, ?)", [](sqlite3_stmt* s) {
              for (const auto& p : FixturePages()) {
                sqlite3_bind_int(s, 1, p.article);
                sqlite3_bind_int(s, 2, p.page);
                sqlite3_bind_blob(s, 3, p.picture.data(), static_cast<int>(p.picture.size()), SQLITE_TRANSIENT);
                Bind(s, 4, p.text);
                Step(s);
              }
            });
    }
    data::SetReferenceDirectory(dir_);
  }
  ~LibraryFixture() {
    data::SetReferenceDirectory(std::nullopt);
    std::filesystem::remove_all(dir_);
  }
  LibraryFixture(const LibraryFixture&) = delete;
  LibraryFixture& operator=(const LibraryFixture&) = delete;

 private:
  template <typename Fill>
  void Build(const std::string& file, const char* schema, const char* insert, Fill fill) {
    sqlite3* db = nullptr;
    sqlite3_open((dir_ / file).c_str(), &db);
    sqlite3_exec(db, "pragma journal_mode=off; pragma synchronous=off; begin", nullptr, nullptr, nullptr);
    sqlite3_exec(db, schema, nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, insert, -1, &stmt, nullptr);
    fill(stmt);
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  static void Bind(sqlite3_stmt* s, int i, const std::string& text) {
    sqlite3_bind_text(s, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  }
  static void Step(sqlite3_stmt* s) {
    sqlite3_step(s);
    sqlite3_reset(s);
  }

  static inline int counter_ = 0;
  std::filesystem::path dir_;
};

}  // namespace qk::library::test
