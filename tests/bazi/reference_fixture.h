#pragma once
// Copies of the built reference databases in a directory of their own, so a
// test can take rows away (for instance empty the JQ table) without touching
// the real files.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/reference_db.h"

namespace qk::bazi::test {

class ReferenceCopyFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    const fs::path built = data::ReferenceDirectory();
    dir_ = fs::temp_directory_path() / ("qk_bazi_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    for (const char* name : {"Tgcode.dll", "dream.dll"})
      fs::copy_file(built / name, dir_ / name, fs::copy_options::overwrite_existing);
    data::SetReferenceDirectory(dir_);
  }
  void TearDown() override {
    data::SetReferenceDirectory(std::nullopt);
    std::filesystem::remove_all(dir_);
  }
  // Runs SQL against the copy of one file.
  void Exec(const char* file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir_ / file).c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
  }
  void EmptyTermTable() { Exec("Tgcode.dll", "delete from JQ;"); }
  void RemoveFile(const char* file) { std::filesystem::remove(dir_ / file); }

  std::filesystem::path dir_;
};

}  // namespace qk::bazi::test
