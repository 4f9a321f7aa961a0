#pragma once
// One day's almanac entry, computed from the pillars of the day, the fixed
// day rules and the table of activities and spirits. The fields are the
// columns of the reference table huangdao.
#include <optional>
#include <string>

#include "calendar/almanac_pillars.h"
#include "calendar/almanac_spirits.h"
#include "common/day_count.h"

namespace qk::calendar {

struct AlmanacEntry {
  std::string gn;     // the day, YYYY-MM-DD
  std::string nn;     // 农历正月初一 星期六 金匮黄道日
  std::string suici;  // 甲辰年 丙寅月 甲辰日
  std::string tszf;   // 门鸡栖房内东
  std::string wuhang; // 覆灯火 满执位
  std::string cong;   // 冲狗(戊戌)煞南
  std::string pzbj;   // 甲不开仓财物耗散 辰不哭泣必主重丧
  std::string jsyq;   // 吉神宜趋, with the day spirit when it walks the yellow path
  std::string yi;     // 宜
  std::string xsyq;   // 凶神宜忌, with the day spirit when it walks the black path
  std::string ji;     // 忌
  std::string jishi;  // the yellow-path hours with their pillars: 甲子时 乙丑时 …
  friend bool operator==(const AlmanacEntry&, const AlmanacEntry&) = default;
};

// Lunar month name as almanacs print it: 正月 二月 … 十月 冬月 腊月, 闰 in front.
std::string AlmanacLunarMonthName(int month, bool isLeap);

// Nothing when the day lies outside the month openings or the lunar table.
std::optional<AlmanacEntry> ComputeAlmanacEntry(const Ymd& date, const MonthOpenings& openings,
                                                const DaySpiritTable& spirits);

}  // namespace qk::calendar
