#include "calendar/almanac_lookup.h"

#include "common/text.h"
#include "data/reference_db.h"

namespace qk::calendar {

AlmanacDate CheckAlmanacDate(std::string_view year, std::string_view month, std::string_view day) {
  AlmanacDate result;
  const std::string y = Trim(year), m = Trim(month), d = Trim(day);
  if (y.empty()) result.message = kAskYear;
  else if (m.empty()) result.message = kAskMonth;
  else if (d.empty()) result.message = kAskDay;
  if (!result.message.empty()) return result;
  result.key = y + "-" + m + "-" + d;
  if (const auto date = ParseYmd(result.key)) result.date = *date;
  else result.message = kAskValidDate;
  return result;
}

AlmanacLookup LookupAlmanac(const Ymd& date) {
  AlmanacLookup result;
  const data::Rows rows = data::QueryFirst(
      data::RefDb::KunFile,
      "select nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji, jishi from huangdao where gn = ?",
      {FormatYmd(date)});
  if (rows.failed()) return result;
  if (!rows.ok()) {
    result.status = AlmanacLookupStatus::NoRow;
    return result;
  }
  result.status = AlmanacLookupStatus::Found;
  AlmanacEntry& e = result.entry;
  e.gn = FormatYmd(date);
  e.nn = rows.Text("nn");
  e.suici = rows.Text("suici");
  e.tszf = rows.Text("tszf");
  e.wuhang = rows.Text("wuhang");
  e.cong = rows.Text("cong");
  e.pzbj = rows.Text("pzbj");
  e.jsyq = rows.Text("jsyq");
  e.yi = rows.Text("yi");
  e.xsyq = rows.Text("xsyq");
  e.ji = rows.Text("ji");
  e.jishi = rows.Text("jishi");
  return result;
}

std::string AlmanacSummary(std::string_view key, const AlmanacEntry& entry) {
  return std::string(key) + "  " + entry.nn;
}

std::vector<std::string> AlmanacResultLines(const AlmanacEntry& e) {
  const std::pair<const char*, const std::string*> fields[] = {
      {"岁次:", &e.suici}, {"每日胎神占方:", &e.tszf}, {"五行:", &e.wuhang}, {"冲:", &e.cong},  {"彭祖百忌:", &e.pzbj},
      {"吉神宜趋:", &e.jsyq}, {"宜:", &e.yi},         {"凶神宜忌:", &e.xsyq}, {"忌:", &e.ji}};
  std::vector<std::string> lines;
  for (const auto& [label, value] : fields) {
    if (!lines.empty()) lines.emplace_back();
    lines.push_back(label + *value);
  }
  return lines;
}

}  // namespace qk::calendar
