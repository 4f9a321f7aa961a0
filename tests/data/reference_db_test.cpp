#include "data/reference_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace qk::data {
namespace {

namespace fs = std::filesystem;

// A reference directory of our own with a small Noter table in KunBirth.dll.
class FixtureDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qk ref '" + std::to_string(::getpid()) + "' dir");
    fs::create_directories(dir_);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir_ / "KunBirth.dll").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "create table Noter (Cid text primary key, Tite text, content text);"
                 "insert into Noter values ('c1', '  标题 ', 'abc');"
                 "insert into Noter values ('o''k', '引号', 'q');",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    SetReferenceDirectory(dir_);
  }
  void TearDown() override {
    SetReferenceDirectory(std::nullopt);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(FixtureDirectory, ReadsFromADirectoryWithABlankAndAQuote) {
  const Rows rows = QueryFirst(RefDb::KunBirth, "select Tite,content from Noter where Cid = ?", {"c1"});
  ASSERT_TRUE(rows.ok()) << rows.error;
  EXPECT_EQ(rows.Text(0), "标题");       // trimmed
  EXPECT_EQ(rows.Text("CONTENT"), "abc");  // by column name, any case
  EXPECT_EQ(rows.rows[0][0], "  标题 ");  // raw value kept
}

TEST_F(FixtureDirectory, AKeyWithAQuoteIsBoundNotSpliced) {
  EXPECT_EQ(QueryFirst(RefDb::KunBirth, "select Tite from Noter where Cid = ?", {"o'k"}).Text(0), "引号");
  const Rows injected =
      QueryFirst(RefDb::KunBirth, "select Tite from Noter where Cid = ?", {"'; drop table Noter; --"});
  EXPECT_EQ(injected.status, LookupStatus::NoRow);
  EXPECT_TRUE(QueryFirst(RefDb::KunBirth, "select Tite from Noter where Cid = ?", {"c1"}).ok());
}

TEST_F(FixtureDirectory, NoRowIsNotAFailure) {
  const Rows rows = QueryFirst(RefDb::KunBirth, "select Tite from Noter where Cid = ?", {"c99"});
  EXPECT_EQ(rows.status, LookupStatus::NoRow);
  EXPECT_EQ(rows.Text(0), "");
  EXPECT_EQ(rows.count(), 0u);
}

TEST_F(FixtureDirectory, UnusableFilesFail) {
  // dream.dll is missing, KunFile.dll is empty, Tgcode.dll is not a database.
  std::ofstream(dir_ / "KunFile.dll").close();
  std::ofstream(dir_ / "Tgcode.dll") << "this is not a database, just some text that is long enough";
  for (RefDb db : {RefDb::Dream, RefDb::KunFile, RefDb::Tgcode})
    EXPECT_EQ(QueryFirst(db, "select 1 from sqlite_master").status, LookupStatus::Failed) << ReferenceFileName(db);
  EXPECT_EQ(UnusableReferenceFiles(), (std::vector<std::string>{"dream.dll", "KunFile.dll", "Tgcode.dll"}));
  EXPECT_FALSE(fs::exists(dir_ / "dream.dll"));  // a read-only open creates nothing
}

TEST_F(FixtureDirectory, BadSqlFails) {
  EXPECT_TRUE(QueryFirst(RefDb::KunBirth, "select nothing from nowhere").failed());
}

TEST(ReferenceConnection, EncodesTheExecutableDirectory) {
  SetReferenceDirectory(fs::path("/opt/my apps/it's here"));
  EXPECT_EQ(ReferenceConnectionString("dream.dll"),
            "file:/opt/my%20apps/it%27s%20here/dream.dll?mode=ro&immutable=1");
  SetReferenceDirectory(std::nullopt);
}

TEST(ReferenceConnection, FindsTheBuiltDatabasesFromAnotherWorkingDirectory) {
  const fs::path before = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  for (RefDb db : kAllRefDbs) EXPECT_TRUE(IsUsable(db)) << ReferenceFileName(db);
  EXPECT_TRUE(UnusableReferenceFiles().empty());
  fs::current_path(before);
}

}  // namespace
}  // namespace qk::data
