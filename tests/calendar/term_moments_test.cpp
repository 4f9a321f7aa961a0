#include "calendar/term_moments.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "calendar/sexagenary_tables.h"
#include "data/reference_db.h"

namespace qk::calendar {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kDay = 86400;

std::int64_t SecondsAt(int y, int mo, int d, int h, int mi, int s = 0) {
  return SecondsOf(MakeDateTime(y, mo, d, h, mi, s));
}

const TermMoment* FindTerm(const TermMoments& table, std::string_view name) {
  for (const auto& m : table.moments)
    if (m.Name() == name) return &m;
  return nullptr;
}

struct Published {
  const char* name;
  int year, month, day, hour, minute, second;  // China Standard Time
  int toleranceSeconds;
};

// Published moments, converted to UTC+8 where the source gives UT. Sources:
//  [HKO] Hong Kong Observatory, "2013 年二十四节气的日期及时间资料",
//        www.hko.gov.hk/sc/gts/astron2013/Solar_Term_2013.htm (Hong Kong time = UTC+8, to the minute).
//  [PMO] Purple Mountain Observatory, 中国天文年历, as reported by Xinhua: 立春 2017-02-03 23:34,
//        立春 2024-02-04 16:27, 立夏 2020-05-05 08:51, 2021-05-05 14:47, 2022-05-05 20:26.
//  [USNO] US Naval Observatory, Earth's seasons (UT, to the minute): December solstice 1992-12-21
//        14:43, 1995-12-22 08:17, 2000-12-21 13:37, 2029-12-21 14:14; March equinox 2100-03-20
//        13:05, December solstice 2100-12-21 19:52.
//  [WSF] worldspaceflight.com, equinoxes and solstices 1901-2050 (UTC, to the second): December
//        solstice 1901-12-22 12:36:57 and 1920-12-22 03:17:20, March equinox 1901-03-21 07:23:53.
// Minute values carry up to 30 s of rounding, so 60 s bounds our error to about 30 s. The 2100
// moments depend on the predicted Earth rotation: our Delta T model (Espenak-Meeus) gives about
// 200 s there, USNO's prediction about 100 s less, hence the wider bound.
const Published kPublished[] = {
    {"小寒", 2013, 1, 5, 12, 34, 0, 60},   {"大寒", 2013, 1, 20, 5, 52, 0, 60},  // [HKO]
    {"立春", 2013, 2, 4, 0, 13, 0, 60},    {"雨水", 2013, 2, 18, 20, 2, 0, 60},
    {"惊蛰", 2013, 3, 5, 18, 15, 0, 60},   {"春分", 2013, 3, 20, 19, 2, 0, 60},
    {"清明", 2013, 4, 4, 23, 2, 0, 60},    {"谷雨", 2013, 4, 20, 6, 3, 0, 60},
    {"立夏", 2013, 5, 5, 16, 18, 0, 60},   {"小满", 2013, 5, 21, 5, 9, 0, 60},
    {"芒种", 2013, 6, 5, 20, 23, 0, 60},   {"夏至", 2013, 6, 21, 13, 4, 0, 60},
    {"小暑", 2013, 7, 7, 6, 35, 0, 60},    {"大暑", 2013, 7, 22, 23, 56, 0, 60},
    {"立秋", 2013, 8, 7, 16, 20, 0, 60},   {"处暑", 2013, 8, 23, 7, 2, 0, 60},
    {"白露", 2013, 9, 7, 19, 16, 0, 60},   {"秋分", 2013, 9, 23, 4, 44, 0, 60},
    {"寒露", 2013, 10, 8, 10, 58, 0, 60},  {"霜降", 2013, 10, 23, 14, 10, 0, 60},
    {"立冬", 2013, 11, 7, 14, 14, 0, 60},  {"小雪", 2013, 11, 22, 11, 48, 0, 60},
    {"大雪", 2013, 12, 7, 7, 9, 0, 60},    {"冬至", 2013, 12, 22, 1, 11, 0, 60},
    {"立春", 2017, 2, 3, 23, 34, 0, 60},   {"立春", 2024, 2, 4, 16, 27, 0, 60},  // [PMO]
    {"立夏", 2020, 5, 5, 8, 51, 0, 60},    {"立夏", 2021, 5, 5, 14, 47, 0, 60},
    {"立夏", 2022, 5, 5, 20, 26, 0, 60},
    {"冬至", 1992, 12, 21, 22, 43, 0, 60}, {"冬至", 1995, 12, 22, 16, 17, 0, 60},  // [USNO]
    {"冬至", 2000, 12, 21, 21, 37, 0, 60}, {"冬至", 2029, 12, 21, 22, 14, 0, 60},
    {"春分", 2100, 3, 20, 21, 5, 0, 150},  {"冬至", 2100, 12, 22, 3, 52, 0, 150},
    {"冬至", 1901, 12, 22, 20, 36, 57, 60}, {"冬至", 1920, 12, 22, 11, 17, 20, 60},  // [WSF]
    {"春分", 1901, 3, 21, 15, 23, 53, 60},
};

TEST(TermMomentsTable, AgreesWithPublishedMoments) {
  for (const auto& p : kPublished) {
    const TermMoments year = TermMomentsOfYear(p.year);
    ASSERT_TRUE(year.ok()) << p.year;
    const TermMoment* term = FindTerm(year, p.name);
    ASSERT_NE(term, nullptr) << p.name << " " << p.year;
    const std::int64_t published = SecondsAt(p.year, p.month, p.day, p.hour, p.minute, p.second);
    EXPECT_LE(std::llabs(term->Seconds() - published), p.toleranceSeconds)
        << p.name << " " << p.year << ": table " << term->Text() << ", published " << FormatSeconds(published);
  }
}

TEST(TermMomentsTable, EveryYearHas24TermsInOrderAbout15DaysApart) {
  std::int64_t previous = 0;
  for (int year = 1900; year <= 2100; ++year) {
    const TermMoments table = TermMomentsOfYear(year);
    ASSERT_TRUE(table.ok()) << year;
    ASSERT_EQ(table.moments.size(), 24u) << year;
    for (std::size_t n = 0; n < 24; ++n) {
      const TermMoment& m = table.moments[n];
      EXPECT_EQ(m.index, static_cast<int>(n)) << m.Text();
      EXPECT_EQ(m.yearA, year);
      EXPECT_EQ(m.date.year, year);
      if (previous != 0) {
        const std::int64_t gap = m.Seconds() - previous;
        EXPECT_GE(gap, 14 * kDay) << m.Name() << " " << m.Text();
        EXPECT_LE(gap, 16 * kDay) << m.Name() << " " << m.Text();
      }
      previous = m.Seconds();
    }
  }
}

TEST(TermMomentsTable, YearsOutsideTheTableHaveNoRow) {
  EXPECT_EQ(TermMomentsOfYear(1899).status, TermTableStatus::NoRow);
  EXPECT_EQ(TermMomentsOfYear(2101).status, TermTableStatus::NoRow);
  EXPECT_EQ(LastJieAtOrBefore(MakeDateTime(1900, 1, 5, 12, 0)).status, TermTableStatus::NoRow);
  EXPECT_EQ(FirstJieAfter(MakeDateTime(2100, 12, 31, 12, 0)).status, TermTableStatus::NoRow);
}

TEST(JieNeighbours, FindTheJieAroundAMomentToTheSecond) {
  // 立春 2021 is 2021-02-03 22:58:46 in the table.
  const TermMomentLookup lichun = LastJieAtOrBefore(MakeDateTime(2021, 2, 3, 23, 30));
  ASSERT_TRUE(lichun.ok());
  EXPECT_EQ(lichun.moment.Name(), "立春");
  EXPECT_EQ(JieMonthBranch(lichun.moment.index), 2);  // 寅

  const DateTime exact = lichun.moment.At();
  EXPECT_EQ(LastJieAtOrBefore(exact).moment.Text(), lichun.moment.Text());
  EXPECT_EQ(LastJieBefore(exact).moment.Name(), "小寒");
  EXPECT_EQ(FirstJieAfter(exact).moment.Name(), "惊蛰");
  EXPECT_EQ(FirstJieAfter(exact - 1.0 / 86400).moment.Text(), lichun.moment.Text());
  EXPECT_EQ(LastJieAtOrBefore(MakeDateTime(2021, 2, 3, 22, 58)).moment.Name(), "小寒");
}

TEST(JieNeighbours, CrossTheTurnOfTheYear) {
  const TermMomentLookup before = LastJieAtOrBefore(MakeDateTime(2024, 1, 2, 8, 0));
  ASSERT_TRUE(before.ok());
  EXPECT_EQ(before.moment.Name(), "大雪");
  EXPECT_EQ(before.moment.yearA, 2023);
  EXPECT_EQ(JieMonthBranch(before.moment.index), 0);  // 子

  const TermMomentLookup after = FirstJieAfter(MakeDateTime(2023, 12, 30, 8, 0));
  ASSERT_TRUE(after.ok());
  EXPECT_EQ(after.moment.Name(), "小寒");
  EXPECT_EQ(after.moment.yearA, 2024);
  EXPECT_EQ(JieMonthBranch(after.moment.index), 1);  // 丑
}

TEST(JieNeighbours, JieOnADateIgnoresOtherTermsAndYears) {
  const TermMoments lichun = JieMomentsOnDate(1984, Ymd{1984, 2, 4});
  ASSERT_TRUE(lichun.ok());
  ASSERT_EQ(lichun.moments.size(), 1u);
  EXPECT_EQ(lichun.moments[0].Name(), "立春");
  EXPECT_EQ(lichun.moments[0].Text().substr(0, 16), "1984-02-04 23:18");
  EXPECT_EQ(JieMomentsOnDate(1984, Ymd{1984, 2, 19}).status, TermTableStatus::NoRow);  // 雨水, not a jie
  EXPECT_EQ(JieMomentsOnDate(1985, Ymd{1984, 2, 4}).status, TermTableStatus::NoRow);   // another YearA
}

TEST(TermVocabulary, JieAndTheirMonthBranches) {
  // The twelve jie are the even terms; each opens the month of one branch.
  const struct {
    int index;
    int branch;
  } cases[] = {{0, 1}, {2, 2}, {4, 3}, {6, 4}, {8, 5}, {10, 6}, {12, 7}, {14, 8}, {16, 9}, {18, 10}, {20, 11},
               {22, 0}, {1, -1}, {23, -1}, {-2, -1}, {24, -1}};
  for (const auto& c : cases) EXPECT_EQ(JieMonthBranch(c.index), c.branch) << c.index;
}

TEST(TermVocabulary, ParseTermRowAcceptsOnlyWellFormedRows) {
  TermMoment m;
  ASSERT_TRUE(ParseTermRow("立春", "2024-02-04 16:27:07", "2024", m));
  EXPECT_EQ(m.index, 2);
  EXPECT_EQ(m.Text(), "2024-02-04 16:27:07");
  EXPECT_EQ(m.Seconds(), SecondsAt(2024, 2, 4, 16, 27, 7));

  const struct {
    const char* name;
    const char* sj;
    const char* yearA;
  } bad[] = {
      {"春天", "2024-02-04 16:27:07", "2024"},  {"立春", "2024-02-04 16:27", "2024"},
      {"立春", "2024-02-30 16:27:07", "2024"},  {"立春", "2024-02-04 24:00:00", "2024"},
      {"立春", "2024/02/04 16:27:07", "2024"},  {"立春", "2024-02-04 16:27:07", "2023"},
      {"立春", "2024-02-04 16:2a:07", "2024"},  {"立春", "2024-02-04 16:27:07", ""},
  };
  for (const auto& b : bad) EXPECT_FALSE(ParseTermRow(b.name, b.sj, b.yearA, m)) << b.sj << " " << b.yearA;
}

TEST(TermVocabulary, SecondsRoundTripAndRoundToTheNearestSecond) {
  EXPECT_EQ(FormatSeconds(SecondsAt(1984, 2, 4, 23, 19)), "1984-02-04 23:19:00");
  EXPECT_EQ(FormatSeconds(SecondsOf(MakeDateTime(2000, 1, 1, 0, 0) - 0.4 / 86400)), "2000-01-01 00:00:00");
  EXPECT_EQ(FormatSeconds(SecondsAt(1899, 12, 30, 0, 0) - 1), "1899-12-29 23:59:59");
}

// A reference directory of our own, to tell an unreadable table from an empty one.
class TermTableFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qk_jq_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    data::SetReferenceDirectory(dir_);
  }
  void TearDown() override {
    data::SetReferenceDirectory(std::nullopt);
    fs::remove_all(dir_);
  }
  void MakeTgcode(const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir_ / "Tgcode.dll").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }
  fs::path dir_;
};

TEST_F(TermTableFixture, MissingFileOrTableIsUnreadable) {
  EXPECT_EQ(TermMomentsOfYear(2024).status, TermTableStatus::Unreadable);
  EXPECT_EQ(LastJieAtOrBefore(MakeDateTime(2024, 3, 1)).status, TermTableStatus::Unreadable);
  MakeTgcode("create table other (x text); insert into other values ('a');");
  EXPECT_EQ(TermMomentsOfYear(2024).status, TermTableStatus::Unreadable);
  EXPECT_EQ(JieMomentsOnDate(2024, Ymd{2024, 2, 4}).status, TermTableStatus::Unreadable);
}

TEST_F(TermTableFixture, EmptyTableHasNoRowAndDamagedRowIsUnreadable) {
  MakeTgcode("create table JQ (JQ text, SJ text, YearA integer);");
  EXPECT_EQ(TermMomentsOfYear(2024).status, TermTableStatus::NoRow);
  EXPECT_EQ(FirstJieAfter(MakeDateTime(2024, 3, 1)).status, TermTableStatus::NoRow);

  MakeTgcode("insert into JQ values ('立春', '2024-02-04 16:27:07', 2024);"
             "insert into JQ values ('惊蛰', '2024-03-05 late', 2024);");
  EXPECT_EQ(TermMomentsOfYear(2024).status, TermTableStatus::Unreadable);
  const TermMomentLookup lichun = LastJieAtOrBefore(MakeDateTime(2024, 2, 10));
  ASSERT_TRUE(lichun.ok());  // the damaged row is not among the rows read
  EXPECT_EQ(lichun.moment.Text(), "2024-02-04 16:27:07");
}

}  // namespace
}  // namespace qk::calendar
