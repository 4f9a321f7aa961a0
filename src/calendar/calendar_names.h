#pragma once
// The short texts the perpetual calendar shows for a Gregorian day (lunar
// month and day, festivals, solar term, zodiac year, star sign), all read from
// the calendar's own tables, and the star sign of the reports. Dates are whole
// day counts. An empty text means there is nothing to show.
#include <array>
#include <string>
#include <string_view>

namespace qk::calendar {

// 1-12: 正 … 十 冬 腊 (index 0 unused).
inline constexpr std::array<std::string_view, 13> WindowMonthNames{
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
// 1-30 (index 0 unused).
inline constexpr std::array<std::string_view, 31> WindowDayNames{
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
// By branch, 0 = 子鼠.
inline constexpr std::array<std::string_view, 12> ZodiacYearNames{
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

// 正月, 冬月, 腊月 …; a leap month without 月: 闰四. Empty outside the tables.
std::string WindowMonthName(int date);
// 初一 … 三十; empty outside the tables.
std::string_view WindowDayName(int date);
// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节, 除夕, or empty.
std::string_view WindowLunarFestival(int date);
// The Gregorian festival of `day` in the month and year of `date`, or empty.
std::string_view WindowSolarFestival(int day, int date);
// The solar term beginning on the date by the calendar's term table, or empty.
std::string_view WindowSolarTermName(int date);
// 子鼠 … 亥猪; changes on 正月初一 of the calendar's lunar table.
std::string_view WindowZodiacName(int date);
// The calendar's star sign (金牛座 from 04-20, 天蝎座 from 10-24).
std::string_view WindowStarSign(int date);
// The reports' star sign (金牛座 from 04-21, 天蝎座 from 10-23); 金牛座 carries
// a trailing blank there: "金牛座 ".
std::string_view StarSign(int date);

}  // namespace qk::calendar
