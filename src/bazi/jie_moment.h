#pragma once
// The month-opening solar terms (jie) of the Four Pillars chart and the
// check whether a birth on the day of one came before its exact moment.
#include <array>
#include <string_view>

#include "common/day_count.h"

namespace qk::bazi {

// The twelve jie, from the one that opens the year.
inline constexpr std::array<std::string_view, 12> JieTermNames{
    "立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

// True when the JQ table holds exactly one jie moment with YearA = year on
// the birth date, and the birth moment (date, hour and minute, seconds 0) is
// earlier than it. A birth on the term's day but before its moment still
// belongs to the previous month. No row, several rows or a table that cannot
// be read all give false.
bool BornBeforeJieMoment(int year, DateTime birthMoment);
bool BornBeforeJieMoment(int year, const Ymd& birthDate, int hour, int minute);

}  // namespace qk::bazi
