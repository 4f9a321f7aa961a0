#pragma once
// The Four Pillars chart of one birth moment: pillars, luck direction, fetal
// origin, hidden stems, start age and the ten luck columns.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/day_count.h"

namespace qk::bazi {

// A stem (0 = 甲 … 9 = 癸) and a branch (0 = 子 … 11 = 亥) of equal parity.
struct Pillar {
  int stem = 0;
  int branch = 0;
  // The two characters, stem first.
  std::string Text() const;
  // Moved `steps` along the sexagenary cycle (negative steps go back).
  Pillar Moved(int steps) const;
  friend bool operator==(const Pillar&, const Pillar&) = default;
};

// Pillar of sexagenary number n (0 = 甲子); any integer, taken mod 60.
Pillar PillarOfNumber(long long n);

enum class ChartDirection { Forward, Backward };

// Where the month boundaries and the jie distance came from.
enum class JieSource {
  TermTable,    // the exact moments of the JQ table
  FixedRanges,  // the table could not be read: fixed boundary dates and the term formula
};

struct BaziChart {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;  // the Gregorian birth moment
  bool male = false;
  bool bornBeforeJieMoment = false;
  JieSource jieSource = JieSource::FixedRanges;

  Pillar yearPillar, monthPillar, dayPillar, hourPillar;
  // Year stem, year branch, month stem, month branch, day …, hour ….
  std::array<std::string, 8> characters;
  ChartDirection direction = ChartDirection::Forward;
  std::string fetalOriginText;  // 胎元: two characters and one blank
  // Hidden stems for the year, month, day and hour (entries of HiddenStemsTable).
  std::array<std::string_view, 4> hiddenStems;

  int jieDistance = 0;  // days to the nearest jie in the chart's direction
  int startAge = 0;     // 1-11
  std::string startAgeText;
  std::array<Pillar, 10> luckColumns;
  std::string luckPillarLine;   // the ten column pillars joined by three blanks
  std::string luckNayinLine;    // 纳音：…
  std::string luckTenGodLine;   // 十神：…
};

// Shown when the date, hour or minute handed to the engine does not exist.
inline constexpr std::string_view kChartInputMessage = "请检查输入数据是否出错！";

// The chart of a Gregorian birth moment. `sex` counts as male only when it is
// exactly "男". nullopt (show kChartInputMessage) for a date that does not
// exist, an hour outside 0-23 or a minute outside 0-59.
std::optional<BaziChart> ComputeBaziChart(int year, int month, int day, int hour, int minute, std::string_view sex);

}  // namespace qk::bazi
