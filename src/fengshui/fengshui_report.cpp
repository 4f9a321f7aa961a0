#include "fengshui/fengshui_report.h"

#include <cstdio>
#include <string_view>

#include "bazi/bazi_chart.h"
#include "bazi/birth_input.h"
#include "bazi/reference_lookups.h"
#include "calendar/calendar_names.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "common/gbk.h"
#include "common/text.h"
#include "fengshui/house_advice.h"
#include "fengshui/life_gua.h"
#include "fengshui/lunar_mansions.h"
#include "fengshui/trigrams.h"

namespace qk::fengshui {
namespace {

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// Third character of the na-yin (海中金 → 金), when it is an element.
bool NayinEndsInElement(const std::string& nayin) {
  const std::string third = GbkSubstring(nayin, 5, 2);
  for (std::string_view element : {"金", "火", "木", "土", "水"})
    if (third == element) return true;
  return false;
}

void AppendSeparated(std::vector<std::string>& lines) {
  lines.emplace_back();
  lines.emplace_back(kSeparatorLine);
  lines.emplace_back();
}

void AppendGuaAndAdvice(const FengshuiFacts& facts, std::vector<std::string>& lines) {
  lines.emplace_back();
  lines.emplace_back("宜居楼层：");
  if (NayinEndsInElement(facts.nayin)) {
    lines.emplace_back("坐向为正东、南、西、北所适合的楼层(金宅):");
    lines.emplace_back("坐向为东南、东北、西北、西南所适合的楼层(土宅):");
  }
  lines.emplace_back();
  if (IsEastGroup(facts.lifeTrigram))
    lines.push_back("命主福元属" + facts.lifeTrigram + "卦，属于东四命，宜住坎宅、震宅、巽宅、离宅。");
  else
    lines.push_back("命主福元属" + facts.lifeTrigram + "卦，属于西四命，宜住乾宅、坤宅、艮宅、兑宅。");
  lines.emplace_back(
      "备注：命卦与宅卦以相配为佳，遵循东四命配东四宅(坎、震、巽、离宅),西四命配西四宅(乾、坤、艮、兑宅)的原则。");
  lines.emplace_back();
  lines.emplace_back(
      "吉方建议：宜高、方、整齐为佳，忌低、缺等。宜开门、主卧、书房、客厅、床、神位、电梯入口等重要部位，"
      "忌灶炉、热水器、污水、烟囱、抽油烟机和杂物等。");
  lines.emplace_back();
  lines.emplace_back(
      "凶方建议：宜低、平、干净，忌高、大等，凶方宜卫生间、浴室、污水、灶炉、电视、储备室等，"
      "忌做主卧、开门、神位、床等。");
  AppendSeparated(lines);
  WriteHouseAdvice(facts.lifeTrigram, lines);
  AppendSeparated(lines);
  lines.emplace_back("本宅分析：");
  AppendSeparated(lines);
  lines.emplace_back("补充部分：");
  AppendSeparated(lines);
}

}  // namespace

std::vector<std::string> WriteFengshuiReport(const FengshuiFacts& facts, int variant) {
  const bool full = variant == kFullReading;
  std::vector<std::string> lines;
  lines.reserve(full ? 160 : 16);
  lines.emplace_back();
  lines.push_back("年龄：" + std::to_string(facts.age) + "岁");
  lines.push_back("您出生公历：" + std::to_string(facts.birthDate.year) + "年" + TwoDigits(facts.birthDate.month) +
                  "月" + TwoDigits(facts.birthDate.day) + "日" + facts.hourText + "点" + facts.minuteText + "分");
  lines.push_back("农历：" + facts.lunarText);
  lines.push_back("属相：" + facts.animal);
  lines.push_back("星座：" + facts.starSign);
  lines.push_back("星宿:" + facts.mansion);
  lines.push_back("年纳音：" + facts.nayin);
  lines.emplace_back("命主财神位：");
  lines.emplace_back("文昌位：");
  lines.emplace_back("桃花位：");
  if (full) AppendGuaAndAdvice(facts, lines);
  lines.emplace_back("玄空流年宅运：");
  if (full) {
    AppendSeparated(lines);
    lines.emplace_back("五行分析：");
    AppendSeparated(lines);
    lines.emplace_back("星宿分析：");
    lines.emplace_back();
    lines.emplace_back(kSeparatorLine);
  }
  lines.emplace_back();
  lines.emplace_back();
  return lines;
}

}  // namespace qk::fengshui

namespace qk {

ReportOutcome FengshuiReport(const PanelInput& input, const Ymd& today, int variant) {
  using namespace fengshui;
  // The same checks and messages as the 八字简析 report: one input panel.
  const bazi::BirthInputResult read = bazi::ReadBirthInput(input);
  if (!read.ok) return read.problem;
  const bazi::BirthInput& birth = read.input;

  const int dayNumber = DayNumber(birth.date);
  const calendar::LunarDate& lunar = birth.lunar;
  const auto chart = bazi::ComputeBaziChart(birth.date.year, birth.date.month, birth.date.day, birth.hour,
                                            birth.minute, Trim(input.sex));
  // The input was checked above, so the engine has nothing left to refuse.
  if (!chart) return ReportOutcome::Error(std::string(bazi::kChartInputMessage));

  FengshuiFacts facts;
  facts.age = today.year - birth.date.year;
  facts.birthDate = birth.date;
  facts.hourText = std::to_string(birth.hour);
  facts.minuteText = input.minute;
  const std::string yearText = calendar::LunarYearText(lunar.year - 1864);
  facts.lunarText = yearText + calendar::LunarMonthName(lunar.month, lunar.isLeap) + calendar::LunarDayName(lunar.day);
  facts.animal = GbkSubstring(yearText, 6, 2);  // 庚申(猴年): the animal is bytes 6-7
  facts.starSign = calendar::StarSign(dayNumber);
  facts.mansion = LunarMansion(lunar.month, lunar.day);
  facts.nayin = bazi::LookupNayin(chart->yearPillar.Text());
  facts.lifeTrigram = GetMingGua(lunar.year, Trim(input.sex) == "女");
  return ReportOutcome::Lines(WriteFengshuiReport(facts, variant));
}

}  // namespace qk
