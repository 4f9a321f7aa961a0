#include "bazi/jie_moment.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "calendar/sexagenary_tables.h"
#include "data/reference_db.h"

namespace qk::bazi {
namespace {

namespace fs = std::filesystem;

TEST(JieTermNames, AreTheEvenSolarTermsFromLichun) {
  for (std::size_t i = 0; i < JieTermNames.size(); ++i)
    EXPECT_EQ(JieTermNames[i], calendar::SolarTermNames[(2 * i + 2) % 24]) << i;
}

// The built table: 立春 2021 is at 2021-02-03 22:58:46.
TEST(BornBeforeJieMoment, ComparesWithTheBuiltTableToTheMinute) {
  EXPECT_TRUE(BornBeforeJieMoment(2021, Ymd{2021, 2, 3}, 22, 58));
  EXPECT_FALSE(BornBeforeJieMoment(2021, Ymd{2021, 2, 3}, 22, 59));
  EXPECT_TRUE(BornBeforeJieMoment(2021, Ymd{2021, 2, 3}, 0, 0));
  EXPECT_FALSE(BornBeforeJieMoment(2021, Ymd{2021, 2, 4}, 0, 0));  // the day after: no jie that day
  EXPECT_FALSE(BornBeforeJieMoment(2021, Ymd{2021, 2, 18}, 0, 0)); // 雨水 is no jie
  EXPECT_FALSE(BornBeforeJieMoment(2020, Ymd{2021, 2, 3}, 0, 0));  // the query keys on the input year
}

// A small JQ table of our own, as the chart engine's examples describe it.
class JieTableFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qk_jie_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    data::SetReferenceDirectory(dir_);
  }
  void TearDown() override {
    data::SetReferenceDirectory(std::nullopt);
    fs::remove_all(dir_);
  }
  void MakeTable(const char* rows) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir_ / "Tgcode.dll").c_str(), &db), SQLITE_OK);
    const std::string sql = std::string("create table JQ (JQ text, SJ text, YearA integer);") + rows;
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }
  fs::path dir_;
};

TEST_F(JieTableFixture, BirthBeforeTheMomentOnItsDay) {
  MakeTable("insert into JQ values ('立春', '1984-02-04 23:19:00', 1984);");
  const struct {
    int hour, minute;
    bool before;
  } cases[] = {{10, 0, true}, {23, 18, true}, {23, 19, false}, {23, 30, false}};
  for (const auto& c : cases)
    EXPECT_EQ(BornBeforeJieMoment(1984, Ymd{1984, 2, 4}, c.hour, c.minute), c.before) << c.hour << ":" << c.minute;
  // The DateTime form: seconds are those of the birth moment, here 0.
  EXPECT_TRUE(BornBeforeJieMoment(1984, MakeDateTime(1984, 2, 4, 23, 18)));
  EXPECT_FALSE(BornBeforeJieMoment(1984, Ymd{1984, 2, 5}, 10, 0));
}

TEST_F(JieTableFixture, OnlyExactlyOneJieRowCounts) {
  MakeTable(
      "insert into JQ values ('雨水', '1984-02-19 19:16:00', 1984);"  // not a jie
      "insert into JQ values ('惊蛰', '1984-03-05 17:25:00', 1984);"
      "insert into JQ values ('惊蛰', '1984-03-05 18:00:00', 1984);");  // two rows: no answer
  EXPECT_FALSE(BornBeforeJieMoment(1984, Ymd{1984, 2, 19}, 1, 0));
  EXPECT_FALSE(BornBeforeJieMoment(1984, Ymd{1984, 3, 5}, 1, 0));
}

TEST_F(JieTableFixture, AnEmptyOrMissingTableGivesFalse) {
  EXPECT_FALSE(BornBeforeJieMoment(1984, Ymd{1984, 2, 4}, 10, 0));  // no file at all
  MakeTable("");
  EXPECT_FALSE(BornBeforeJieMoment(1984, Ymd{1984, 2, 4}, 10, 0));
}

}  // namespace
}  // namespace qk::bazi
