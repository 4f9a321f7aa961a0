#include <gtest/gtest.h>

#include <set>

#include "common/text.h"
#include "divination/gender_table.h"
#include "divination/omen_pages.h"

namespace qk::divination {
namespace {

std::vector<std::string> NonEmptyLines(const std::string& text) {
  std::vector<std::string> lines;
  for (auto& line : SplitLines(text))
    if (!line.empty()) lines.push_back(line);
  return lines;
}

TEST(OmenPages, QuotedOpeningLines) {
  EXPECT_EQ(SplitLines(OmenPageText(0)).front(), "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。");
  EXPECT_EQ(SplitLines(OmenPageText(1)).front(), "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。");
  EXPECT_EQ(SplitLines(OmenPageText(4)).front(), "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。");
  EXPECT_EQ(OmenPages()[6].caption, std::string("耳鸣测吉凶"));
  EXPECT_EQ(OmenPageText(7), "");
  EXPECT_EQ(OmenPageText(-1), "");
}

TEST(OmenPages, LayoutOfEveryPage) {
  // Double hours paired on one line, in the order each page lists them.
  const std::vector<std::string> oppositePairs = {"子午", "丑未", "寅申", "卯酉", "辰戌", "巳亥"};
  const std::vector<std::string> ringingPairs = {"子丑", "寅未", "卯申", "辰酉", "巳戌", "午亥"};
  for (int page = 0; page < kOmenPageCount; ++page) {
    SCOPED_TRACE(page);
    const std::string text = OmenPageText(page);
    const auto all = SplitLines(text);
    const auto lines = NonEmptyLines(text);
    EXPECT_EQ(all.size(), 2 * lines.size() - 1);  // entries separated by one empty line
    if (page == 0) {
      EXPECT_EQ(lines.size(), 12u);
      EXPECT_NE(lines.back().find("晚上11点-凌晨1点 "), std::string::npos);
      continue;
    }
    const auto& pairs = page == 6 ? ringingPairs : oppositePairs;
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
      const std::string first = pairs[i].substr(0, 3) + "时：", second = pairs[i].substr(3) + "时：";
      EXPECT_EQ(lines[i].rfind(first, 0), 0u) << lines[i];
      EXPECT_NE(lines[i].find(second), std::string::npos) << lines[i];
      if (page == 4 || page == 6) {  // a left and a right meaning in each entry
        std::size_t lefts = 0, rights = 0;
        for (std::size_t at = 0; (at = lines[i].find("左", at)) != std::string::npos; ++at) ++lefts;
        for (std::size_t at = 0; (at = lines[i].find("右", at)) != std::string::npos; ++at) ++rights;
        EXPECT_EQ(lefts, 2u) << lines[i];
        EXPECT_EQ(rights, 2u) << lines[i];
      }
    }
  }
}

TEST(GenderTable, RowsAndColumns) {
  const auto lines = GenderTableLines();
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[0], "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月");
  EXPECT_EQ(lines[1].substr(0, 2), "18");
  EXPECT_EQ(lines[28].substr(0, 2), "45");
  // Age 21 is 男 only in month 1.
  EXPECT_EQ(GenderOf(21, 1), "男");
  for (int month = 2; month <= 12; ++month) EXPECT_EQ(GenderOf(21, month), "女") << month;
  EXPECT_EQ(GenderOf(45, 12), "男");
  for (auto [age, month] : {std::pair{17, 1}, {46, 1}, {30, 0}, {30, 13}}) EXPECT_EQ(GenderOf(age, month), "");
}

TEST(GenderTable, EachEntryStandsUnderItsMonth) {
  // Display cell of every 男/女/月, counting a Chinese character as two cells.
  auto cellsOf = [](const std::string& line, const std::set<std::string>& wanted) {
    std::vector<std::size_t> cells;
    std::size_t cell = 0;
    for (std::size_t i = 0; i < line.size();) {
      const std::size_t length = static_cast<unsigned char>(line[i]) < 0x80 ? 1 : 3;
      if (wanted.count(line.substr(i, length))) cells.push_back(cell);
      cell += length == 1 ? 1 : 2;
      i += length;
    }
    return cells;
  };
  const auto lines = GenderTableLines();
  const auto months = cellsOf(lines[0], {"月"});
  ASSERT_EQ(months.size(), 12u);
  for (std::size_t row = 1; row < lines.size(); ++row) EXPECT_EQ(cellsOf(lines[row], {"男", "女"}), months) << row;
}

}  // namespace
}  // namespace qk::divination
