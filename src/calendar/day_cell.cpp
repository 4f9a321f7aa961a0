#include "calendar/day_cell.h"

#include <algorithm>

#include "calendar/calendar_names.h"
#include "common/day_count.h"

namespace qk::calendar {

DayCell DayCellOf(int date) {
  DayCell cell;
  const std::string_view dayName = WindowDayName(date);
  if (dayName == "初一") {
    cell = {WindowMonthName(date), kMonthStartColour};
  } else {
    cell = {std::string(dayName), kLunarDayColour};
  }
  const std::string_view solarFestival = WindowSolarFestival(YmdFromDayNumber(date).day, date);
  if (!solarFestival.empty()) cell = {std::string(solarFestival), kFestivalColour};
  const std::string_view term = WindowSolarTermName(date);
  if (!term.empty()) cell = {std::string(term), kSolarTermColour};
  const std::string_view lunarFestival = WindowLunarFestival(date);
  if (!lunarFestival.empty()) cell = {std::string(lunarFestival), kFestivalColour};
  return cell;
}

MonthPage MonthPageOf(int year, int month, int day) {
  MonthPage page;
  if (year < 1 || year > 9999 || month < 1 || month > 12) return page;
  const int length = DaysInMonth(year, month);
  page.year = year;
  page.month = month;
  page.selectedDay = std::clamp(day, 1, length);
  const int first = DayNumber(year, month, 1);
  page.firstCell = Weekday(first) + 1;
  const int selected = first + page.selectedDay - 1;
  page.zodiac = WindowZodiacName(selected);
  page.starSign = WindowStarSign(selected);
  page.days.reserve(static_cast<std::size_t>(length));
  for (int d = 0; d < length; ++d) page.days.push_back(DayCellOf(first + d));
  return page;
}

}  // namespace qk::calendar
