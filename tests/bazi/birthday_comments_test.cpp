#include "bazi/birthday_comments.h"

#include <gtest/gtest.h>

#include "common/day_count.h"

namespace qk::bazi {
namespace {

TEST(BirthdayCommentTable, FillsExactlyTheDayAndDateSlots) {
  const auto& table = BirthdayCommentTable();
  int filled = 0;
  for (int slot = 0; slot < kBirthdayCommentSlots; ++slot) {
    const int month = slot / 100, day = slot % 100;
    const bool dayText = slot >= 1 && slot <= 31;
    const bool dateText = month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(2000, month) && slot != 131;
    EXPECT_EQ(!table[static_cast<std::size_t>(slot)].empty(), dayText || dateText) << slot;
    if (!table[static_cast<std::size_t>(slot)].empty()) ++filled;
  }
  EXPECT_EQ(filled, 396);
}

TEST(BirthdayCommentTable, PunctuationByKind) {
  const auto& table = BirthdayCommentTable();
  for (int day = 1; day <= 31; ++day) {
    const std::string_view text = table[static_cast<std::size_t>(day)];
    EXPECT_EQ(text.find("，"), std::string_view::npos) << day;
    EXPECT_EQ(text.find("。"), std::string_view::npos) << day;
    EXPECT_NE(text.find(','), std::string_view::npos) << day;
  }
  int endingWithBlank = 0;
  for (int slot = 101; slot <= 1231; ++slot) {
    const std::string_view text = table[static_cast<std::size_t>(slot)];
    if (text.empty()) continue;
    EXPECT_EQ(text.find(','), std::string_view::npos) << slot;
    EXPECT_NE(text.find("，"), std::string_view::npos) << slot;
    if (text.back() == ' ') ++endingWithBlank;
  }
  EXPECT_GT(endingWithBlank, 365 / 2);
}

TEST(BirthdayCommentTable, QuotedRows) {
  const auto& table = BirthdayCommentTable();
  EXPECT_EQ(table[30], "为人亲切,善良,开朗,快乐,所以人缘颇佳.具有语言,文化艺术等多方面的才能.");
  EXPECT_EQ(table[101],
            "脑筋清楚、果断、亲爱、具迷人的人格，有时有点暴躁和顽固，体质纤弱，不可身心过劳，经验会带来新的启迪，"
            "一生颇多波折，容易受骗， 应该努力学习人生较深的一面。");
}

TEST(BirthdayComment, DayTextThenDateText) {
  const auto& table = BirthdayCommentTable();
  EXPECT_EQ(BirthdayComment(1, 1), std::string(table[1]) + std::string(table[101]));
  EXPECT_EQ(BirthdayComment(2, 29), std::string(table[29]) + std::string(table[229]));
  EXPECT_EQ(BirthdayComment(1, 31), std::string(table[31]));
  EXPECT_EQ(BirthdayComment(13, 1), "");
  EXPECT_EQ(BirthdayComment(1, 0), "");
}

}  // namespace
}  // namespace qk::bazi
