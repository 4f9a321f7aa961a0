// The four reference files damaged one at a time in a copy of the built
// databases: missing, empty, truncated, not a database, locked by another
// process, and without one of its tables. The start-up check names exactly
// the damaged file, its look-ups fail (never hang or crash), and the other
// three files keep working.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/reference_db.h"

namespace qk::data {
namespace {

namespace fs = std::filesystem;

enum class Damage { Missing, Empty, Truncated, NotADatabase, Locked, TableDropped };

struct Probe {
  RefDb db;
  const char* table;  // a table the program reads, dropped for TableDropped
  const char* sql;    // a look-up the program makes in it
  std::vector<std::string> params;
};

const Probe kProbes[] = {
    {RefDb::Dream, "shouji", "select title,jx,content from shouji where num = ?", {"0"}},
    {RefDb::KunFile, "huangdao", "select nn from huangdao where gn = ?", {"2000-01-01"}},
    {RefDb::KunBirth, "Noter", "select Tite,content from Noter where Cid = ?", {"c1"}},
    {RefDb::Tgcode, "JQ", "select * from JQ limit 1", {}},
};

// Holds an exclusive lock on a database file from a child process.
class LockingChild {
 public:
  explicit LockingChild(const fs::path& file) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      sqlite3* db = nullptr;
      char ok = 0;
      if (sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
          sqlite3_exec(db, "begin exclusive", nullptr, nullptr,
                       nullptr) == SQLITE_OK)
        ok = 1;
      (void)!::write(ready[1], &ok, 1);
      ::pause();  // until the test kills us, lock held
      _exit(0);
    }
    ::close(ready[1]);
    char ok = 0;
    locked_ = ::read(ready[0], &ok, 1) == 1 && ok == 1;
    ::close(ready[0]);
  }
  ~LockingChild() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  bool locked() const { return locked_; }

 private:
  pid_t pid_ = -1;
  bool locked_ = false;
};

class DamagedData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetReferenceDirectory(std::nullopt);
    built_ = ReferenceDirectory();
  }

  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qk_damaged_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (RefDb db : kAllRefDbs) fs::create_symlink(built_ / ReferenceFileName(db), dir_ / ReferenceFileName(db));
    SetReferenceDirectory(dir_);
  }
  void TearDown() override {
    SetReferenceDirectory(std::nullopt);
    fs::remove_all(dir_);
  }

  // Replaces the link to one built file with a damaged file of its own.
  fs::path Damaged(const Probe& probe, Damage damage) {
    const std::string name = ReferenceFileName(probe.db);
    const fs::path file = dir_ / name;
    fs::remove(file);
    switch (damage) {
      case Damage::Missing: break;
      case Damage::Empty: std::ofstream(file).close(); break;
      case Damage::Truncated:
        fs::copy_file(built_ / name, file);
        fs::resize_file(file, fs::file_size(file) / 2);
        break;
      case Damage::NotADatabase:
        std::ofstream(file) << std::string(4096, 'x') << "这不是数据库";
        break;
      case Damage::Locked: fs::copy_file(built_ / name, file); break;
      case Damage::TableDropped: {
        fs::copy_file(built_ / name, file);
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, ("drop table \"" + std::string(probe.table) + "\"").c_str(), nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
        break;
      }
    }
    return file;
  }

  static fs::path built_;
  fs::path dir_;
};

fs::path DamagedData::built_;

TEST_F(DamagedData, EachFileInEachDamagedState) {
  for (const Damage damage :
       {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::NotADatabase, Damage::Locked, Damage::TableDropped}) {
    for (const Probe& probe : kProbes) {
      const std::string name = ReferenceFileName(probe.db);
      SCOPED_TRACE(name + " damage " + std::to_string(static_cast<int>(damage)));
      TearDown();
      SetUp();
      const fs::path file = Damaged(probe, damage);

      if (damage == Damage::Locked) {
        // The files are opened immutable: another process's lock does not
        // stop a read, and nothing waits for it.
        LockingChild child(file);
        ASSERT_TRUE(child.locked());
        EXPECT_TRUE(UnusableReferenceFiles().empty());
        EXPECT_NE(QueryFirst(probe.db, probe.sql, probe.params).status, LookupStatus::Failed);
        continue;
      }
      EXPECT_EQ(UnusableReferenceFiles(), std::vector<std::string>{name});
      const Rows rows = QueryFirst(probe.db, probe.sql, probe.params);
      EXPECT_EQ(rows.status, LookupStatus::Failed);
      EXPECT_FALSE(rows.error.empty());
      EXPECT_EQ(rows.Text(0), "");
      for (const Probe& other : kProbes) {
        if (other.db == probe.db) continue;
        EXPECT_NE(QueryFirst(other.db, other.sql, other.params).status, LookupStatus::Failed)
            << ReferenceFileName(other.db);
      }
      if (damage == Damage::Missing) {
        EXPECT_FALSE(fs::exists(file)) << "a read-only open creates nothing";
      }
    }
  }
}

TEST_F(DamagedData, AllFourDamagedAtOnce) {
  Damaged(kProbes[0], Damage::Missing);
  Damaged(kProbes[1], Damage::Empty);
  Damaged(kProbes[2], Damage::TableDropped);
  Damaged(kProbes[3], Damage::Truncated);
  EXPECT_EQ(UnusableReferenceFiles(),
            (std::vector<std::string>{"dream.dll", "KunFile.dll", "KunBirth.dll", "Tgcode.dll"}));
}

TEST_F(DamagedData, ADirectoryInPlaceOfAFile) {
  fs::remove(dir_ / "dream.dll");
  fs::create_directory(dir_ / "dream.dll");
  EXPECT_EQ(UnusableReferenceFiles(), std::vector<std::string>{"dream.dll"});
  EXPECT_TRUE(QueryFirst(RefDb::Dream, "select 1").failed());
}

}  // namespace
}  // namespace qk::data
