#include "fengshui/birth_input.h"

#include <string_view>

#include "calendar/lunar_conversion.h"
#include "common/gbk.h"
#include "common/text.h"

namespace qk::fengshui {
namespace {

// A number of 1..maxDigits decimal digits and nothing else.
bool ParseDigits(std::string_view text, std::size_t maxDigits, int& value) {
  if (text.empty() || text.size() > maxDigits) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

std::string DateText(std::string_view y, std::string_view m, std::string_view d) {
  return std::string(y) + "-" + std::string(m) + "-" + std::string(d);
}

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
const Ymd kFirstDate{1900, 1, 31};  // the first day the lunar table knows
const Ymd kLastDate{2100, 12, 31};

}  // namespace

std::variant<BirthMoment, ReportOutcome> ReadBirthMoment(const PanelInput& input) {
  const std::string year = Trim(input.year), month = Trim(input.month), day = Trim(input.day),
                    hourItem = Trim(input.hour);
  if (year.empty()) return ReportOutcome::Info("请选择出生年!");
  if (month.empty()) return ReportOutcome::Info("请选择出生月!");
  if (day.empty()) return ReportOutcome::Info("请选择出生日!");
  if (hourItem.empty()) return ReportOutcome::Info("请选择出生小时!");

  int y = 0;
  if (year.size() != 4 || !ParseDigits(year, 4, y) || y < kFirstYear || y > kLastYear)
    return ReportOutcome::Error("出生年份无效：" + year + "。请填写1900至2100之间的四位数年份。");

  BirthMoment birth;
  if (input.dateKind == 1) {
    int m = 0, d = 0;
    const calendar::LunarDate lunar{y, ParseDigits(month, 2, m) ? m : 0, ParseDigits(day, 2, d) ? d : 0, false};
    if (lunar.month < 1 || lunar.day < 1 || !calendar::IsValidLunarDate(lunar))
      return ReportOutcome::Error("农历日期无效：" + year + "年" + month + "月" + day +
                                  "日。农历年份须在1901至2099之间，且该月须有这一天（不取闰月）。");
    birth.date = YmdFromDayNumber(calendar::LunarToSolar(lunar));
  } else {
    const std::string text = DateText(year, month, day);
    const auto date = ParseYmd(text);
    if (!date) return ReportOutcome::Error("日期无效：" + text);
    if (DayNumber(*date) < DayNumber(kFirstDate) || DayNumber(*date) > DayNumber(kLastDate))
      return ReportOutcome::Error("出生日期须在1900-01-31至2100-12-31之间：" + text);
    birth.date = *date;
  }

  // The hour item is the branch, one blank and the hour: GBK bytes 4-5. Text
  // of another shape ("12", "午12") would put the wrong digits there.
  birth.hourText = Trim(GbkSubstring(hourItem, 4, 2));
  const bool itemShape = GbkByteLength(hourItem) <= 5 && GbkSubstring(hourItem, 3, 1) == " ";
  if (!itemShape || !ParseDigits(birth.hourText, 2, birth.hour) || birth.hour > 23)
    return ReportOutcome::Error("出生小时无效：" + hourItem + "。请从列表中选择，如“午 12”。");
  const std::string minute = Trim(input.minute);
  if (!ParseDigits(minute, 2, birth.minute) || birth.minute > 59)
    return ReportOutcome::Error("出生分钟无效：" + minute + "。请填写0至59之间的数。");

  birth.sex = Trim(input.sex);
  birth.female = birth.sex == "女";
  return birth;
}

}  // namespace qk::fengshui
