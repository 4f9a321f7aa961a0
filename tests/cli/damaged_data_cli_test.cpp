// qiankun-cli copied into a folder of its own beside damaged copies of the
// reference files (it reads the files beside its executable): refcheck names
// exactly the damaged file, a command that needs it exits with 3 and says
// which file, a report whose look-ups may fail quietly still prints, and
// nothing crashes or hangs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/run_cli.h"

namespace {

namespace fs = std::filesystem;
using qk::test::CliRun;
using qk::test::RunProgram;

const fs::path kBuiltDir = fs::path(QIANKUN_CLI_PATH).parent_path();
const char* const kFiles[] = {"dream.dll", "KunFile.dll", "KunBirth.dll", "Tgcode.dll"};

enum class Damage { Missing, Empty, Truncated, NotADatabase, TableDropped };

struct FileCase {
  const char* file;
  const char* table;                  // dropped for TableDropped
  std::vector<std::string> needsIt;   // a command that stops without the file
};

class DamagedDataCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qk_damaged_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy_file(QIANKUN_CLI_PATH, dir_ / "qiankun-cli");
    for (const char* file : kFiles) fs::create_symlink(kBuiltDir / file, dir_ / file);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Spoil(const FileCase& c, Damage damage) {
    const fs::path file = dir_ / c.file;
    fs::remove(file);
    switch (damage) {
      case Damage::Missing: break;
      case Damage::Empty: std::ofstream(file).close(); break;
      case Damage::Truncated:
        fs::copy_file(kBuiltDir / c.file, file);
        fs::resize_file(file, fs::file_size(file) / 3);
        break;
      case Damage::NotADatabase: std::ofstream(file) << std::string(3000, '\x01'); break;
      case Damage::TableDropped: {
        fs::copy_file(kBuiltDir / c.file, file);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        EXPECT_EQ(sqlite3_exec(db, ("drop table \"" + std::string(c.table) + "\"").c_str(), nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
        break;
      }
    }
  }

  CliRun Run(const std::vector<std::string>& args) { return RunProgram((dir_ / "qiankun-cli").string(), args); }

  fs::path dir_;
};

TEST_F(DamagedDataCli, EachFileInEachDamagedState) {
  const FileCase cases[] = {
      {"dream.dll", "shouji", {"mobile", "13800000080"}},
      {"KunFile.dll", "huangdao", {"almanac", "2000", "1", "1"}},
      {"KunBirth.dll", "Noter", {"article", "c1"}},
      {"Tgcode.dll", "64gua", {"gua", "--id", "3"}},
  };
  for (const auto damage : {Damage::Missing, Damage::Empty, Damage::Truncated, Damage::NotADatabase,
                            Damage::TableDropped}) {
    for (const FileCase& c : cases) {
      SCOPED_TRACE(std::string(c.file) + " damage " + std::to_string(static_cast<int>(damage)));
      TearDown();
      SetUp();
      Spoil(c, damage);

      const CliRun check = Run({"refcheck"});
      EXPECT_EQ(check.exitCode, 3);
      std::string expected;
      for (const char* file : kFiles)
        expected += std::string(file) + "\t" + (file == std::string(c.file) ? "无法读取" : "正常") + "\n";
      EXPECT_EQ(check.out, expected);

      const CliRun needing = Run(c.needsIt);
      EXPECT_EQ(needing.exitCode, 3) << needing.err;
      EXPECT_TRUE(needing.out.empty());
      EXPECT_NE(needing.err.find(c.file), std::string::npos) << needing.err;

      // Commands that read no reference file are untouched.
      const CliRun qq = Run({"qq", "123"});
      EXPECT_EQ(qq.exitCode, 0);
      EXPECT_FALSE(qq.out.empty());
    }
  }
}

TEST_F(DamagedDataCli, ReportsFollowTheirRulesForFailedLookups) {
  // Without dream.dll the bone-weight look-up fails and the 八字 report ends
  // without a result; the feng-shui report reads nothing from it.
  fs::remove(dir_ / "dream.dll");
  const CliRun bazi = Run({"bazi", "1980", "1", "1", "12", "0"});
  EXPECT_EQ(bazi.exitCode, 3);
  EXPECT_TRUE(bazi.out.empty());
  EXPECT_NE(bazi.err.find("dream.dll"), std::string::npos);
  EXPECT_EQ(Run({"fengshui", "1980", "1", "1", "12", "0"}).exitCode, 0);

  // Without 64gua the chart's own look-ups still work: the 八字 report prints.
  TearDown();
  SetUp();
  Spoil({"Tgcode.dll", "64gua", {}}, Damage::TableDropped);
  const CliRun report = Run({"bazi", "1980", "1", "1", "12", "0"});
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_FALSE(report.out.empty());
}

TEST_F(DamagedDataCli, AFileLockedByAnotherProcessStillReads) {
  fs::remove(dir_ / "dream.dll");
  fs::copy_file(kBuiltDir / "dream.dll", dir_ / "dream.dll");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    sqlite3* db = nullptr;
    char ok = sqlite3_open((dir_ / "dream.dll").c_str(), &db) == SQLITE_OK &&
              sqlite3_exec(db, "begin exclusive", nullptr, nullptr, nullptr) == SQLITE_OK;
    (void)!::write(ready[1], &ok, 1);
    ::pause();
    _exit(0);
  }
  ::close(ready[1]);
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  ::close(ready[0]);
  EXPECT_EQ(ok, 1);
  const CliRun mobile = Run({"mobile", "13800000080"});
  const CliRun check = Run({"refcheck"});
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(mobile.exitCode, 0) << mobile.err;
  EXPECT_EQ(check.exitCode, 0) << check.out;
}

}  // namespace
