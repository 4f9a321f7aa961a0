#include "bazi/bazi_report.h"

#include <array>
#include <cstdio>

#include "bazi/bazi_chart.h"
#include "bazi/bazi_tables.h"
#include "bazi/birth_input.h"
#include "bazi/birthday_comments.h"
#include "bazi/bone_weight.h"
#include "bazi/luck_cycles.h"
#include "bazi/reference_lookups.h"
#include "calendar/calendar_names.h"
#include "calendar/sexagenary.h"
#include "calendar/sexagenary_tables.h"
#include "common/gbk.h"

namespace qk::bazi {
namespace {

constexpr std::string_view kSeparator = "<-----------------------批八字内容分隔线----------------------------->";
constexpr std::string_view kClosingLine = "<-----------------------以上内容只作参考----------------------------->";
constexpr std::string_view kGap = "   ";
const std::string kLabelBlanks(6, ' ');
const std::string kMissingColumnBlanks(13, ' ');

std::string Stem(int stem) { return std::string(calendar::StemNames[static_cast<std::size_t>(stem)]); }

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// The n-th character (0-based) of a UTF-8 text, or "".
std::string CharacterAt(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t index = 0; i < text.size(); ++index) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    if (index == n) return std::string(text.substr(i, length));
    i += length;
  }
  return {};
}

// One grid row: the label and column 0 while the luck has not started, else
// thirteen blanks; then the cells of columns 1-9, three blanks apart.
template <typename CellText>
std::string GridRow(const YearGrid& grid, int row, std::string_view firstLabel, CellText cellText) {
  const auto& cells = grid.cells[static_cast<std::size_t>(row)];
  std::string line;
  if (cells[0].present) {
    line = row == 0 ? std::string(firstLabel) : kLabelBlanks;
    line += cellText(cells[0]);
  } else {
    line = kMissingColumnBlanks;
  }
  for (std::size_t column = 1; column < cells.size(); ++column) {
    if (column > 1 || cells[0].present) line += kGap;
    line += cellText(cells[column]);
  }
  return line;
}

std::string AgeHeader(int startAge) {
  if (startAge == 1) return "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁";
  std::string line = "      1-" + std::to_string(startAge - 1) + "岁";
  for (int k = 1; k <= 9; ++k) line += std::string(kGap) + std::to_string(startAge + 10 * (k - 1)) + "岁";
  return line;
}

// 遁藏 lines: the first, second or third hidden stem of each pillar with its
// ten god; a pillar without that stem leaves seven blanks.
std::array<std::string, 3> HiddenStemLines(const std::array<std::string_view, 4>& sets, int dayStem) {
  std::array<std::string, 3> lines{"遁藏：", kLabelBlanks, kLabelBlanks};
  for (std::size_t position = 0; position < 3; ++position) {
    for (std::size_t pillar = 0; pillar < sets.size(); ++pillar) {
      const std::string stem = CharacterAt(sets[pillar], position);
      std::string& line = lines[position];
      if (position == 0) {
        if (pillar > 0) line += " ";
        line += stem + LookupTenGod(Stem(dayStem) + stem);
      } else {
        line += stem.empty() ? std::string(7, ' ') : stem + LookupTenGod(Stem(dayStem) + stem) + " ";
      }
    }
  }
  return lines;
}

}  // namespace

std::string YearGanzhiText(int year) {
  const std::string text = calendar::LunarYearText(year - 1864);
  return CharacterAt(text, 0) + CharacterAt(text, 1);
}

std::string AgeLabel(int years) { return (years < 10 ? "0" : "") + std::to_string(years) + "岁"; }

std::string ElementCountText(std::string_view elementText) {
  std::string line;
  const char* const kElements[] = {"金", "木", "水", "火", "土"};
  for (const char* element : kElements) {
    int count = 0;
    for (std::size_t at = elementText.find(element); at != std::string_view::npos;
         at = elementText.find(element, at + 1))
      ++count;
    if (!line.empty()) line += ", ";
    line += std::string(element) + ":占" + std::to_string(count) + "个";
  }
  return line;
}

void AppendPersonalityComment(std::vector<std::string>& lines, int month, int day) {
  lines.emplace_back(kSeparator);
  lines.emplace_back();
  lines.emplace_back("性格简评：");
  lines.push_back("    " + BirthdayComment(month, day));
  lines.emplace_back();
}

ReportOutcome BaziReport(const PanelInput& panel, const Ymd& today) {
  const BirthInputResult read = ReadBirthInput(panel);
  if (!read.ok) return read.problem;
  const BirthInput& birth = read.input;
  const LookupMemoScope memo;
  const Ymd& date = birth.date;
  const int lunarYear = birth.lunar.year;

  std::vector<std::string> lines;
  lines.reserve(80);
  lines.push_back("年龄：" + std::to_string(today.year - date.year) + "岁");
  lines.push_back("您出生公历：" + std::to_string(date.year) + "年" + TwoDigits(date.month) + "月" +
                  TwoDigits(date.day) + "日" + std::to_string(birth.hour) + "点" + panel.minute + "分");
  const std::string yearText = calendar::LunarYearText(lunarYear - 1864);
  lines.push_back("农历：" + yearText + calendar::LunarMonthName(birth.lunar.month, birth.lunar.isLeap) +
                  calendar::LunarDayName(birth.lunar.day));
  lines.push_back("属相：" + GbkSubstring(yearText, 6, 2));
  lines.push_back("星座：" + std::string(calendar::StarSign(DayNumber(date))));
  lines.emplace_back(kSeparator);

  const auto computed = ComputeBaziChart(date.year, date.month, date.day, birth.hour, birth.minute, panel.sex);
  if (!computed) return ReportOutcome::Error(std::string(kChartInputMessage));
  const BaziChart& chart = *computed;
  const int dayStem = chart.dayPillar.stem;
  const auto tenGod = [&](int stem) { return LookupTenGod(Stem(dayStem) + Stem(stem)); };

  const std::string& fetal = chart.fetalOriginText;
  // The key keeps the fetal origin's trailing blank; the jiazi key column
  // compares without trailing blanks, so the na-yin is found.
  lines.push_back("胎元：" + fetal.substr(0, fetal.size() - 1) + "(" + LookupNayin(fetal) + ")");
  lines.push_back("起运：" + chart.startAgeText + "岁");
  lines.push_back("十神：" + tenGod(chart.yearPillar.stem) + std::string(kGap) + tenGod(chart.monthPillar.stem) +
                  std::string(kGap) + "日元" + std::string(kGap) + tenGod(chart.hourPillar.stem));
  const std::array<Pillar, 4> pillars{chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
  std::string pillarLine = "八字：";
  for (std::size_t i = 0; i < pillars.size(); ++i) pillarLine += (i > 0 ? std::string(kGap) : "") + pillars[i].Text();
  lines.push_back(pillarLine);

  // The day set follows the branch of the days counted from 1900-02-20 (甲子).
  std::array<std::string_view, 4> hiddenSets = chart.hiddenStems;
  const long long daysFromJiazi = DayNumber(date) - DayNumber(1900, 2, 20);
  hiddenSets[2] = HiddenStemsTable[static_cast<std::size_t>(((daysFromJiazi % 12) + 12) % 12)];
  for (std::string& line : HiddenStemLines(hiddenSets, dayStem)) lines.push_back(std::move(line));

  std::string elements;
  for (std::size_t i = 0; i < pillars.size(); ++i) {
    if (i > 0) elements += kGap;
    elements += LookupCharElement(chart.characters[2 * i]) + LookupCharElement(chart.characters[2 * i + 1]);
  }
  lines.push_back("五行：" + elements);
  std::string nayin = "纳音：";
  for (std::size_t i = 0; i < pillars.size(); ++i) nayin += (i > 0 ? " " : "") + LookupNayin(pillars[i].Text());
  lines.push_back(nayin);
  lines.push_back(chart.luckNayinLine);
  lines.push_back(chart.luckTenGodLine);
  lines.push_back("大运：" + chart.luckPillarLine);

  const int s = chart.startAge;
  lines.push_back(AgeHeader(s));
  std::string startLine = "始于：" + std::to_string(date.year);
  for (int k = 1; k <= 9; ++k) startLine += std::string(kGap) + std::to_string(date.year + s + 10 * (k - 1));
  lines.push_back(startLine);
  lines.emplace_back();

  const YearGrid grid = MakeYearGrid(lunarYear, chart.hourPillar, chart.direction, s);
  for (int row = 0; row < 10; ++row)
    lines.push_back(GridRow(grid, row, "流年：", [&](const YearGridCell& cell) {
      return YearGanzhiText(lunarYear + cell.offset);
    }));
  lines.emplace_back();
  for (int row = 0; row < 10; ++row) {
    lines.push_back(GridRow(grid, row, "小运：", [](const YearGridCell& cell) { return cell.smallLuck.Text(); }));
    lines.push_back(GridRow(grid, row, kLabelBlanks, [](const YearGridCell& cell) { return AgeLabel(cell.offset); }));
  }
  lines.push_back("八字五行个数：" + ElementCountText(elements));
  lines.emplace_back("喜用神：");
  lines.emplace_back(kSeparator);
  lines.emplace_back("袁天罡称骨算命：");

  // A birth before the moment of its day's jie counts in the previous lunar month.
  int boneMonth = birth.lunar.month;
  if (chart.bornBeforeJieMoment) boneMonth = boneMonth == 1 ? 12 : boneMonth - 1;
  const auto bone = ReadBoneWeight(std::to_string(lunarYear), std::to_string(boneMonth),
                                   std::to_string(birth.lunar.day), std::to_string(birth.hour));
  if (!bone) return ReportOutcome::Quiet();
  lines.push_back(bone->weightLine);
  lines.push_back(bone->verseLine);
  lines.push_back(bone->commentaryLine);

  AppendPersonalityComment(lines, date.month, date.day);
  lines.emplace_back(kSeparator);
  lines.emplace_back();
  lines.emplace_back("其他补充说明：");
  lines.emplace_back();
  lines.emplace_back(kClosingLine);
  return ReportOutcome::Lines(std::move(lines));
}

}  // namespace qk::bazi
