#include <gtest/gtest.h>

#include "fengshui/birth_input.h"

namespace qk::fengshui {
namespace {

PanelInput Panel(std::string year, std::string month, std::string day, std::string hour = "午 12",
                 std::string minute = "30", int dateKind = 0) {
  PanelInput input;
  input.year = std::move(year);
  input.month = std::move(month);
  input.day = std::move(day);
  input.hour = std::move(hour);
  input.minute = std::move(minute);
  input.dateKind = dateKind;
  return input;
}

struct Refusal {
  PanelInput input;
  ReportOutcome::Kind kind;
  std::string message;
};

TEST(ReadBirthMoment, RefusesMissingAndImpossibleInput) {
  using K = ReportOutcome::Kind;
  const Refusal cases[] = {
      // Missing entries, the first one wins.
      {Panel(" ", "", "", ""), K::Info, "请选择出生年!"},
      {Panel("1980", " ", "", ""), K::Info, "请选择出生月!"},
      {Panel("1980", "1", "", ""), K::Info, "请选择出生日!"},
      {Panel("1980", "1", "1", "  "), K::Info, "请选择出生小时!"},
      // Years outside the table, or not four digits.
      {Panel("1899", "12", "31"), K::Error, "出生年份无效：1899。请填写1900至2100之间的四位数年份。"},
      {Panel("80", "1", "1"), K::Error, "出生年份无效：80。请填写1900至2100之间的四位数年份。"},
      {Panel("19a0", "1", "1"), K::Error, "出生年份无效：19a0。请填写1900至2100之间的四位数年份。"},
      // Gregorian dates that do not exist or lie before the lunar table.
      {Panel("1981", "2", "29"), K::Error, "日期无效：1981-2-29"},
      {Panel("1980", "x", "1"), K::Error, "日期无效：1980-x-1"},
      {Panel("1900", "1", "30"), K::Error, "出生日期须在1900-01-31至2100-12-31之间：1900-1-30"},
      // Lunar dates the conversion does not know: every day of 1900, a 30th
      // day of a 29-day month, month 0.
      {Panel("1900", "1", "1", "午 12", "30", 1), K::Error,
       "农历日期无效：1900年1月1日。农历年份须在1901至2099之间，且该月须有这一天（不取闰月）。"},
      {Panel("1980", "10", "30", "午 12", "30", 1), K::Error,
       "农历日期无效：1980年10月30日。农历年份须在1901至2099之间，且该月须有这一天（不取闰月）。"},
      {Panel("1980", "0", "1", "午 12", "30", 1), K::Error,
       "农历日期无效：1980年0月1日。农历年份须在1901至2099之间，且该月须有这一天（不取闰月）。"},
      // Hours and minutes.
      {Panel("1980", "1", "1", "子 25"), K::Error, "出生小时无效：子 25。请从列表中选择，如“午 12”。"},
      {Panel("1980", "1", "1", "12"), K::Error, "出生小时无效：12。请从列表中选择，如“午 12”。"},
      {Panel("1980", "1", "1", "午12"), K::Error, "出生小时无效：午12。请从列表中选择，如“午 12”。"},
      {Panel("1980", "1", "1", "午 12", "60"), K::Error, "出生分钟无效：60。请填写0至59之间的数。"},
      {Panel("1980", "1", "1", "午 12", ""), K::Error, "出生分钟无效：。请填写0至59之间的数。"},
  };
  for (const auto& c : cases) {
    const auto result = ReadBirthMoment(c.input);
    ASSERT_TRUE(std::holds_alternative<ReportOutcome>(result)) << c.message;
    const auto& outcome = std::get<ReportOutcome>(result);
    EXPECT_EQ(outcome.kind, c.kind) << c.message;
    EXPECT_EQ(outcome.message, c.message);
  }
}

TEST(ReadBirthMoment, GregorianAndLunarInput) {
  auto moment = [](const PanelInput& input) { return std::get<BirthMoment>(ReadBirthMoment(input)); };
  const auto gregorian = moment(Panel(" 1980 ", "1", "1", "子 0", "0"));
  EXPECT_EQ(gregorian.date, (Ymd{1980, 1, 1}));
  EXPECT_EQ(gregorian.hour, 0);
  EXPECT_EQ(gregorian.hourText, "0");
  EXPECT_FALSE(gregorian.female);
  // 正月初一 of 1980 was 16 February.
  EXPECT_EQ(moment(Panel("1980", "1", "1", "子 23", "5", 1)).date, (Ymd{1980, 2, 16}));
  EXPECT_EQ(moment(Panel("1980", "1", "1", "子 23", "5", 1)).hour, 23);
  EXPECT_EQ(moment(Panel("2100", "12", "31")).date, (Ymd{2100, 12, 31}));
  PanelInput woman = Panel("1980", "1", "1");
  woman.sex = "女";
  EXPECT_TRUE(moment(woman).female);
}

}  // namespace
}  // namespace qk::fengshui
