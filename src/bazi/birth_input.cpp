#include "bazi/birth_input.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "calendar/lunar_conversion.h"
#include "common/gbk.h"
#include "common/text.h"

namespace qk::bazi {
namespace {

// Plain decimal digits only: a sign, blanks or letters make no number here.
bool ParseDigits(std::string_view text, int maxDigits, int& value) {
  if (text.empty() || static_cast<int>(text.size()) > maxDigits) return false;
  if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) return false;
  value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return true;
}

BirthInputResult Problem(ReportOutcome outcome) {
  BirthInputResult result;
  result.problem = std::move(outcome);
  return result;
}

constexpr int kFirstDay = calendar::kFirstLunarDay;          // 1900-01-31
constexpr int kLastDay = calendar::kPastLastLunarDay - 1;    // 2100-12-31

}  // namespace

BirthInputResult ReadBirthInput(const PanelInput& panel) {
  const std::string yearText = Trim(panel.year), monthText = Trim(panel.month), dayText = Trim(panel.day);
  const std::string hourItem = Trim(panel.hour), minuteText = Trim(panel.minute);
  if (yearText.empty()) return Problem(ReportOutcome::Info("请选择出生年!"));
  if (monthText.empty()) return Problem(ReportOutcome::Info("请选择出生月!"));
  if (dayText.empty()) return Problem(ReportOutcome::Info("请选择出生日!"));
  if (hourItem.empty()) return Problem(ReportOutcome::Info("请选择出生小时!"));

  int year = 0, month = 0, day = 0;
  if (yearText.size() != 4 || !ParseDigits(yearText, 4, year) || year < 1900 || year > 2100)
    return Problem(ReportOutcome::Error("出生年份无效：" + yearText + "（请填写 1900 至 2100 之间的四位年份）"));
  const std::string typedDate = yearText + "-" + monthText + "-" + dayText;
  const bool numeric = ParseDigits(monthText, 2, month) && ParseDigits(dayText, 2, day);

  BirthInput input;
  if (panel.dateKind == 1) {
    const calendar::LunarDate lunar{year, month, day, false};
    if (!numeric || month < 1 || day < 1 || !calendar::IsValidLunarDate(lunar))
      return Problem(ReportOutcome::Error("农历日期无效：" + yearText + "年" + monthText + "月" + dayText +
                                          "日（农历年份须在 1901 至 2099 之间，且该月须有这一天）"));
    input.date = YmdFromDayNumber(calendar::LunarToSolar(lunar));
  } else {
    if (!numeric || !IsValidYmd(year, month, day)) return Problem(ReportOutcome::Error("日期无效：" + typedDate));
    input.date = Ymd{year, month, day};
    const int dayNumber = DayNumber(input.date);
    if (dayNumber < kFirstDay || dayNumber > kLastDay)
      return Problem(ReportOutcome::Error("日期超出范围：" + typedDate +
                                          "（公历出生日期须在 1900-01-31 至 2100-12-31 之间）"));
  }
  input.lunar = calendar::SolarToLunar(DayNumber(input.date));

  // The hour is the number after the branch and its blank: GBK bytes 4-5.
  // Anything beyond them ("午 123") or a missing blank ("午12") would make those
  // bytes a different number than the one typed, so such items are refused.
  const std::string hourText = Trim(GbkSubstring(hourItem, 4, 2));
  const bool wellFormed = GbkSubstring(hourItem, 3, 1) == " " && GbkByteLength(hourItem) <= 5;
  if (!wellFormed || !ParseDigits(hourText, 2, input.hour) || input.hour > 23)
    return Problem(ReportOutcome::Error("出生时辰无效：" + hourItem + "（小时须在 0 至 23 之间，例如“午 12”）"));
  if (!ParseDigits(minuteText, 2, input.minute) || input.minute > 59)
    return Problem(ReportOutcome::Error("出生分钟无效：" + (minuteText.empty() ? std::string("未填写") : minuteText) +
                                        "（分钟须在 0 至 59 之间）"));

  BirthInputResult result;
  result.ok = true;
  result.input = input;
  return result;
}

}  // namespace qk::bazi
