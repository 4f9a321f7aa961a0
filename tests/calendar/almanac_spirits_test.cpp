// The activities-and-spirits table: the committed file is whole, and a
// damaged copy is refused with the reason rather than read half.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calendar/almanac_rules.h"
#include "calendar/almanac_spirits.h"
#include "calendar/sexagenary_tables.h"

namespace qk::calendar {
namespace {

const std::string kTablePath =
    (std::filesystem::path(__FILE__).parent_path() / "../../refdata/generators/almanac/day_spirits.tsv").string();

std::string WholeTable() {
  std::string text = "# comment\nmonth_branch\tday_pillar\tyi\tji\tjsyq\txsyq\n";
  for (int b = 0; b < 12; ++b)
    for (int p = 0; p < 60; ++p)
      text += std::string(BranchNames[b]) + "\t" + PillarName(p) + "\t祭祀  沐浴\t\t天恩\t月破\n";
  return text;
}

TEST(AlmanacSpirits, CommittedTableLoads) {
  std::string error;
  const auto table = DaySpiritTable::Load(kTablePath, &error);
  ASSERT_TRUE(table) << error;
  // 寅 month, 甲子 day, as the source lists it.
  const DaySpirits& s = table->At(2, 0);
  EXPECT_EQ(s.yi.front(), "嫁娶");
  EXPECT_EQ(s.jsyq.back(), "青龙");
}

TEST(AlmanacSpirits, ParsesWordsAndEmptyLists) {
  const auto table = DaySpiritTable::Parse(WholeTable());
  ASSERT_TRUE(table);
  EXPECT_EQ(table->At(11, 59).yi, (std::vector<std::string>{"祭祀", "沐浴"}));
  EXPECT_TRUE(table->At(11, 59).ji.empty());
}

TEST(AlmanacSpirits, RefusesDamagedTables) {
  struct Case {
    std::string text;
    const char* reason;
  };
  std::string missing = WholeTable();
  missing.erase(missing.rfind("亥\t癸亥"));
  std::string repeated = WholeTable() + "子\t甲子\t\t\t\t\n";
  std::string shortRow = WholeTable();
  shortRow.replace(shortRow.find("\t月破\n"), 4, "");
  const Case cases[] = {{missing, "missing month 亥, day 癸亥"},
                        {repeated, "repeated key"},
                        {shortRow, "expected 6 fields"},
                        {WholeTable() + "午\t甲丑\t\t\t\t\n", "unknown month branch or day pillar"}};
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(DaySpiritTable::Parse(c.text, &error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  std::string error;
  EXPECT_FALSE(DaySpiritTable::Load("/nonexistent/day_spirits.tsv", &error));
  EXPECT_NE(error.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace qk::calendar
