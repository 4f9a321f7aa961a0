#include "calendar/almanac_entry.h"

#include <array>
#include <string_view>
#include <vector>

#include "calendar/almanac_rules.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"

namespace qk::calendar {
namespace {

constexpr std::array<std::string_view, 13> kMonthNames{"",     "正月", "二月", "三月", "四月", "五月", "六月",
                                                       "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, 7> kWeekdays{"星期日", "星期一", "星期二", "星期三",
                                                    "星期四", "星期五", "星期六"};
constexpr std::string_view kNone = "无";

std::string JoinWords(const std::vector<std::string>& words) {
  if (words.empty()) return std::string(kNone);
  std::string text;
  for (const std::string& w : words) {
    if (!text.empty()) text += ' ';
    text += w;
  }
  return text;
}

// The list with the day spirit added at its end when the table leaves it out.
std::vector<std::string> WithSpirit(std::vector<std::string> words, std::string_view spirit) {
  for (const std::string& w : words)
    if (w == spirit) return words;
  words.emplace_back(spirit);
  return words;
}

std::string YellowPathHours(int dayPillar) {
  const int dayBranch = BranchOfPillar(dayPillar);
  // The 子 hour's stem follows the day stem: 甲己 甲子, 乙庚 丙子, 丙辛 戊子 …
  const int ziStem = (StemOfPillar(dayPillar) % 5) * 2;
  std::string text;
  for (int hour = 0; hour < 12; ++hour) {
    if (!IsYellowPath(SpiritOf(dayBranch, hour))) continue;
    if (!text.empty()) text += ' ';
    text += PillarName(PillarOf(ziStem + hour, hour)) + "时";
  }
  return text;
}

}  // namespace

std::string AlmanacLunarMonthName(int month, bool isLeap) {
  if (month < 1 || month > 12) return {};
  return (isLeap ? "闰" : "") + std::string(kMonthNames[month]);
}

std::optional<AlmanacEntry> ComputeAlmanacEntry(const Ymd& date, const MonthOpenings& openings,
                                                const DaySpiritTable& spirits) {
  if (!IsValidYmd(date.year, date.month, date.day)) return std::nullopt;
  const int dayNumber = DayNumber(date);
  const auto pillars = openings.PillarsOf(dayNumber);
  const LunarDate lunar = SolarToLunar(dayNumber);
  if (!pillars || lunar == kNoLunarDate) return std::nullopt;

  const int monthBranch = BranchOfPillar(pillars->month);
  const int dayBranch = BranchOfPillar(pillars->day);
  const int spirit = SpiritOf(monthBranch, dayBranch);
  const bool yellow = IsYellowPath(spirit);
  const DaySpirits& listed = spirits.At(monthBranch, pillars->day);

  AlmanacEntry e;
  e.gn = FormatYmd(date);
  e.nn = "农历" + AlmanacLunarMonthName(lunar.month, lunar.isLeap) + LunarDayName(lunar.day) + " " +
         std::string(kWeekdays[Weekday(dayNumber)]) + " " + std::string(SpiritName(spirit)) +
         (yellow ? "黄道日" : "黑道日");
  e.suici = PillarName(pillars->year) + "年 " + PillarName(pillars->month) + "月 " + PillarName(pillars->day) + "日";
  e.tszf = std::string(FetalGodPlace(pillars->day));
  e.wuhang = std::string(NaYin(pillars->day)) + " " + std::string(DutyName(DutyOfDay(monthBranch, dayBranch))) + "执位";
  e.cong = ClashText(pillars->day);
  e.pzbj = PengZuTaboos(pillars->day);
  e.jsyq = JoinWords(yellow ? WithSpirit(listed.jsyq, SpiritName(spirit)) : listed.jsyq);
  e.xsyq = JoinWords(yellow ? listed.xsyq : WithSpirit(listed.xsyq, SpiritName(spirit)));
  e.yi = JoinWords(listed.yi);
  e.ji = JoinWords(listed.ji);
  e.jishi = YellowPathHours(pillars->day);
  return e;
}

}  // namespace qk::calendar
