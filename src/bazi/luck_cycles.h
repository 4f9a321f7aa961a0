#pragma once
// The luck columns (大运) of a chart and the grid of yearly pillars (流年),
// small-luck pillars (小运) and ages under them.
#include <array>
#include <string>

#include "bazi/bazi_chart.h"

namespace qk::bazi {

// Column k is the month pillar moved k steps in the chart's direction.
std::array<Pillar, 10> LuckColumns(const Pillar& monthPillar, ChartDirection direction);

// The ten column pillars joined by three blanks.
std::string LuckPillarLine(const std::array<Pillar, 10>& columns);
// "纳音：" and each column's na-yin followed by one blank.
std::string LuckNayinLine(const std::array<Pillar, 10>& columns);
// "十神：" and each column stem's ten god (seen from the day stem) followed by
// three blanks.
std::string LuckTenGodLine(int dayStem, const std::array<Pillar, 10>& columns);

struct YearGridCell {
  bool present = false;  // column 0 has cells only in the rows before the start age
  int offset = 0;        // years after the birth year (the age)
  Pillar yearly;         // pillar of the lunar birth year + offset
  Pillar smallLuck;      // hour pillar moved offset steps in the chart's direction
};

// cells[row][column], rows and columns 0-9.
struct YearGrid {
  std::array<std::array<YearGridCell, 10>, 10> cells;
};

YearGrid MakeYearGrid(int lunarBirthYear, const Pillar& hourPillar, ChartDirection direction, int startAge);

}  // namespace qk::bazi
