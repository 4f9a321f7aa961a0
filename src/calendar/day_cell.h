#pragma once
// What one day cell of the perpetual calendar shows under its day number, and
// the whole month page the calendar draws. Shared by the calendar window and
// the command line.
#include <string>
#include <vector>

namespace qk::calendar {

// Colours of the lunar label, as #RRGGBB.
inline constexpr const char* kLunarDayColour = "#004000";
inline constexpr const char* kMonthStartColour = "#FF0000";
inline constexpr const char* kFestivalColour = "#FF8000";
inline constexpr const char* kSolarTermColour = "#5353FF";

struct DayCell {
  std::string text;
  std::string colour;  // #RRGGBB
  friend bool operator==(const DayCell&, const DayCell&) = default;
};

// The lunar label of a Gregorian day (whole day count). Later rules win: a
// lunar festival over a solar term, a term over a Gregorian festival, a
// festival over the month name (on 初一) or the lunar day.
DayCell DayCellOf(int date);

struct MonthPage {
  int year = 0;
  int month = 0;
  int selectedDay = 0;        // the requested day, clamped to the month
  int firstCell = 0;          // cell of day 1: 1 = Sunday … 7 = Saturday
  std::string zodiac;         // of the selected date
  std::string starSign;       // of the selected day
  std::vector<DayCell> days;  // days[d - 1] for day d
};

// The page of a month with `day` selected (clamped to 1 … days in the month).
// Years 1-9999 and months 1-12 only; anything else gives an empty page
// (year 0, no days).
MonthPage MonthPageOf(int year, int month, int day);

}  // namespace qk::calendar
