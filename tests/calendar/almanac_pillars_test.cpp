// Year, month and day pillars from month openings fed by hand. 2000-01-01
// was a 戊午 day; 立春 2024 fell on 02-04 at 16:27 China Standard Time and
// 小寒 on 01-06. The almanac gives the whole term day to the new month.
#include <gtest/gtest.h>

#include <stdexcept>

#include "calendar/almanac_pillars.h"
#include "calendar/almanac_rules.h"
#include "common/day_count.h"

namespace qk::calendar {
namespace {

std::string Names(const DayPillars& p) {
  return PillarName(p.year) + " " + PillarName(p.month) + " " + PillarName(p.day);
}

TEST(AlmanacPillars, DayPillarCountsFromAKnownDay) {
  EXPECT_EQ(PillarName(DayPillarOf(DayNumber(2000, 1, 1))), "戊午");
  EXPECT_EQ(PillarName(DayPillarOf(DayNumber(1900, 1, 1))), "甲戌");
  EXPECT_EQ(PillarName(DayPillarOf(DayNumber(2024, 2, 10))), "甲辰");
}

TEST(AlmanacPillars, TermDayBelongsToTheNewMonthAndYear) {
  const MonthOpenings openings({{DayNumber(2023, 12, 7), 22},
                                {DayNumber(2024, 1, 6), 0},
                                {DayNumber(2024, 2, 4), 2},
                                {DayNumber(2024, 3, 5), 4}});
  EXPECT_EQ(Names(*openings.PillarsOf(DayNumber(2024, 1, 5))), "癸卯 甲子 戊辰");
  EXPECT_EQ(Names(*openings.PillarsOf(DayNumber(2024, 1, 6))), "癸卯 乙丑 己巳");
  EXPECT_EQ(Names(*openings.PillarsOf(DayNumber(2024, 2, 3))), "癸卯 乙丑 丁酉");
  EXPECT_EQ(Names(*openings.PillarsOf(DayNumber(2024, 2, 4))), "甲辰 丙寅 戊戌");
  EXPECT_EQ(Names(*openings.PillarsOf(DayNumber(2024, 3, 5))), "甲辰 丁卯 戊辰");
}

TEST(AlmanacPillars, OnlyDaysTheOpeningsCover) {
  const MonthOpenings openings({{DayNumber(2024, 2, 4), 2}});
  EXPECT_FALSE(openings.PillarsOf(DayNumber(2024, 2, 3)));
  EXPECT_TRUE(openings.PillarsOf(DayNumber(2024, 3, 3)));   // 28 days on: still 寅
  EXPECT_FALSE(openings.PillarsOf(DayNumber(2024, 3, 4)));  // the next term may have come
}

TEST(AlmanacPillars, RejectsOpeningsOutOfOrder) {
  EXPECT_THROW(MonthOpenings({{100, 2}, {90, 4}}), std::invalid_argument);
  EXPECT_THROW(MonthOpenings({{100, 2}, {130, 6}}), std::invalid_argument);  // a month left out
  EXPECT_THROW(MonthOpenings({{100, 3}}), std::invalid_argument);           // 雨水 opens no month
  EXPECT_NO_THROW(MonthOpenings({{100, 22}, {130, 0}}));                   // 大雪 then 小寒
}

}  // namespace
}  // namespace qk::calendar
