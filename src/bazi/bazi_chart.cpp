#include "bazi/bazi_chart.h"

#include "bazi/bazi_tables.h"
#include "bazi/chart_rules.h"
#include "bazi/jie_moment.h"
#include "bazi/luck_cycles.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary_tables.h"

namespace qk::bazi {
namespace {

int FloorMod(long long value, int modulus) { return static_cast<int>(((value % modulus) + modulus) % modulus); }

std::string_view HiddenStemsOf(int branch) { return HiddenStemsTable[static_cast<std::size_t>(branch)]; }

}  // namespace

std::string Pillar::Text() const {
  return std::string(calendar::StemNames[static_cast<std::size_t>(stem)]) +
         std::string(calendar::BranchNames[static_cast<std::size_t>(branch)]);
}

Pillar Pillar::Moved(int steps) const { return {FloorMod(stem + steps, 10), FloorMod(branch + steps, 12)}; }

Pillar PillarOfNumber(long long n) { return {FloorMod(n, 10), FloorMod(n, 12)}; }

std::optional<BaziChart> ComputeBaziChart(int year, int month, int day, int hour, int minute, std::string_view sex) {
  if (!IsValidYmd(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;

  BaziChart chart;
  chart.year = year;
  chart.month = month;
  chart.day = day;
  chart.hour = hour;
  chart.minute = minute;
  chart.male = sex == "男";
  const Ymd birthDate{year, month, day};
  const DateTime birth = MakeDateTime(year, month, day, hour, minute);
  chart.bornBeforeJieMoment = BornBeforeJieMoment(year, birth);

  // The exact jie moments decide month and year; the fixed boundary dates
  // stand in only when the moments cannot be read.
  const auto jie = JieMomentsAround(year);
  const std::vector<calendar::TermMoment> noMoments;
  const std::vector<calendar::TermMoment>& moments = jie ? *jie : noMoments;
  const std::optional<MonthAndYear> byTable = MonthAndYearByTermTable(birth, moments);
  const MonthAndYear monthYear =
      byTable ? *byTable : MonthAndYearByFixedRanges(year, month, day, chart.bornBeforeJieMoment);

  chart.yearPillar = PillarOfNumber(static_cast<long long>(monthYear.pillarYear) - 4);
  const int monthsFromTiger = FloorMod(monthYear.monthBranch - 2, 12);
  chart.monthPillar = {(2 * chart.yearPillar.stem + 2 + monthsFromTiger) % 10, monthYear.monthBranch};
  chart.dayPillar = PillarOfNumber(DayPillarNumber(year, month, day));
  const int hourBranch = HourBranch(hour);
  chart.hourPillar = {(2 * chart.dayPillar.stem + hourBranch) % 10, hourBranch};

  const Pillar pillars[] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
  for (std::size_t i = 0; i < 4; ++i) {
    chart.characters[2 * i] = calendar::StemNames[static_cast<std::size_t>(pillars[i].stem)];
    chart.characters[2 * i + 1] = calendar::BranchNames[static_cast<std::size_t>(pillars[i].branch)];
  }

  chart.direction = DirectionOf(chart.male, chart.yearPillar.stem);
  chart.fetalOriginText =
      Pillar{(chart.monthPillar.stem + 1) % 10, (chart.monthPillar.branch + 3) % 12}.Text() + " ";

  const std::optional<JieDistance> distanceByTable = JieDistanceByTermTable(birth, chart.direction, moments);
  const JieDistance distance = distanceByTable ? *distanceByTable : JieDistanceByTermFormula(birthDate, chart.direction);
  chart.jieSource = byTable && distanceByTable ? JieSource::TermTable : JieSource::FixedRanges;
  chart.jieDistance = distance.days;
  chart.startAge = StartAge(distance.days);
  chart.startAgeText = std::to_string(chart.startAge);

  chart.luckColumns = LuckColumns(chart.monthPillar, chart.direction);
  chart.luckPillarLine = LuckPillarLine(chart.luckColumns);
  chart.luckNayinLine = LuckNayinLine(chart.luckColumns);
  chart.luckTenGodLine = LuckTenGodLine(chart.dayPillar.stem, chart.luckColumns);

  // The year's hidden stems follow the lunar year of the next jie ahead.
  std::optional<JieDistance> nextJie = chart.direction == ChartDirection::Forward
                                           ? distanceByTable
                                           : JieDistanceByTermTable(birth, ChartDirection::Forward, moments);
  if (!nextJie) nextJie = JieDistanceByTermFormula(birthDate, ChartDirection::Forward);
  const int lunarYear = calendar::SolarToLunar(DayNumber(nextJie->jieDate)).year;
  chart.hiddenStems[0] = HiddenStemsOf(FloorMod(static_cast<long long>(lunarYear) - 1924, 12));
  chart.hiddenStems[1] = HiddenStemsOf(month % 12);
  chart.hiddenStems[2] = HiddenStemsOf(chart.dayPillar.branch);
  chart.hiddenStems[3] = HiddenStemsOf(hourBranch);
  return chart;
}

}  // namespace qk::bazi
