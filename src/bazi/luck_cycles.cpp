#include "bazi/luck_cycles.h"

#include "bazi/reference_lookups.h"
#include "calendar/sexagenary_tables.h"

namespace qk::bazi {
namespace {

int Sign(ChartDirection direction) { return direction == ChartDirection::Forward ? 1 : -1; }

}  // namespace

std::array<Pillar, 10> LuckColumns(const Pillar& monthPillar, ChartDirection direction) {
  std::array<Pillar, 10> columns;
  for (int k = 0; k < 10; ++k) columns[static_cast<std::size_t>(k)] = monthPillar.Moved(Sign(direction) * k);
  return columns;
}

std::string LuckPillarLine(const std::array<Pillar, 10>& columns) {
  std::string line;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    if (k > 0) line += "   ";
    line += columns[k].Text();
  }
  return line;
}

std::string LuckNayinLine(const std::array<Pillar, 10>& columns) {
  std::string line = "纳音：";
  for (const Pillar& column : columns) line += LookupNayin(column.Text()) + " ";
  return line;
}

std::string LuckTenGodLine(int dayStem, const std::array<Pillar, 10>& columns) {
  const std::string dayStemText(calendar::StemNames[static_cast<std::size_t>(dayStem)]);
  std::string line = "十神：";
  for (const Pillar& column : columns)
    line += LookupTenGod(dayStemText + std::string(calendar::StemNames[static_cast<std::size_t>(column.stem)])) +
            "   ";
  return line;
}

YearGrid MakeYearGrid(int lunarBirthYear, const Pillar& hourPillar, ChartDirection direction, int startAge) {
  YearGrid grid;
  for (int row = 0; row < 10; ++row) {
    for (int column = 0; column < 10; ++column) {
      YearGridCell& cell = grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      if (column == 0) {
        cell.present = row < startAge;
        cell.offset = row;
      } else {
        cell.present = true;
        cell.offset = startAge + 10 * (column - 1) + row;
      }
      cell.yearly = PillarOfNumber(static_cast<long long>(lunarBirthYear) + cell.offset - 4);
      cell.smallLuck = hourPillar.Moved(Sign(direction) * cell.offset);
    }
  }
  return grid;
}

}  // namespace qk::bazi
