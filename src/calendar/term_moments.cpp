#include "calendar/term_moments.h"

#include <cmath>
#include <cstdio>

#include "calendar/sexagenary_tables.h"
#include "common/text.h"
#include "data/reference_db.h"

namespace qk::calendar {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// "JQ in ('小寒','立春',…,'大雪')": constant SQL text built from our own table.
const std::string& JieNameList() {
  static const std::string list = [] {
    std::string text = "(";
    for (std::size_t i = 0; i < SolarTermNames.size(); i += 2) {
      if (i > 0) text += ",";
      text += "'" + std::string(SolarTermNames[i]) + "'";
    }
    return text + ")";
  }();
  return list;
}

const std::string kColumns = "select JQ, SJ, YearA from JQ where ";

int TermIndexOf(std::string_view name) {
  for (std::size_t i = 0; i < SolarTermNames.size(); ++i)
    if (SolarTermNames[i] == name) return static_cast<int>(i);
  return -1;
}

bool ParseFixedDigits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

TermMoments ToTermMoments(const data::Rows& rows) {
  TermMoments result;
  if (rows.failed()) return result;
  if (rows.status == data::LookupStatus::NoRow) {
    result.status = TermTableStatus::NoRow;
    return result;
  }
  for (const auto& row : rows.rows) {
    TermMoment moment;
    if (row.size() != 3 || !ParseTermRow(Trim(row[0]), Trim(row[1]), Trim(row[2]), moment)) {
      result.moments.clear();
      return result;  // a damaged row: the table cannot be trusted
    }
    result.moments.push_back(moment);
  }
  result.status = TermTableStatus::Ok;
  return result;
}

TermMomentLookup FirstOf(const TermMoments& moments) {
  TermMomentLookup lookup;
  lookup.status = moments.status;
  if (moments.ok()) lookup.moment = moments.moments.front();
  return lookup;
}

TermMomentLookup NeighbouringJie(DateTime t, const char* comparison, const char* order, int firstYearOffset) {
  const std::int64_t seconds = SecondsOf(t);
  const int year = YmdFromDayNumber(static_cast<int>(std::floor(static_cast<double>(seconds) / kSecondsPerDay))).year;
  const std::string sql = kColumns + "YearA in (?, ?) and JQ in " + JieNameList() + " and SJ " + comparison +
                          " ? order by SJ " + order + " limit 1";
  const data::Rows rows = data::Query(
      data::RefDb::Tgcode, sql,
      {std::to_string(year + firstYearOffset), std::to_string(year + firstYearOffset + 1), FormatSeconds(seconds)});
  return FirstOf(ToTermMoments(rows));
}

}  // namespace

std::string_view TermMoment::Name() const {
  return index >= 0 && index < static_cast<int>(SolarTermNames.size()) ? SolarTermNames[static_cast<std::size_t>(index)]
                                                                        : std::string_view{};
}

std::int64_t TermMoment::Seconds() const {
  return static_cast<std::int64_t>(DayNumber(date)) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

std::string TermMoment::Text() const { return FormatSeconds(Seconds()); }

DateTime TermMoment::At() const { return static_cast<double>(Seconds()) / kSecondsPerDay; }

bool IsJieTerm(int index) { return index >= 0 && index < 24 && index % 2 == 0; }

int JieMonthBranch(int index) { return IsJieTerm(index) ? (index / 2 + 1) % 12 : -1; }

std::int64_t SecondsOf(DateTime t) { return std::llround(t * static_cast<double>(kSecondsPerDay)); }

std::string FormatSeconds(std::int64_t seconds) {
  std::int64_t day = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --day;
  }
  const Ymd date = YmdFromDayNumber(static_cast<int>(day));
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month, date.day,
                static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
  return text;
}

bool ParseTermRow(std::string_view name, std::string_view sj, std::string_view yearA, TermMoment& moment) {
  TermMoment parsed;
  parsed.index = TermIndexOf(name);
  if (parsed.index < 0) return false;
  // YYYY-MM-DD HH:MM:SS
  if (sj.size() != 19 || sj[4] != '-' || sj[7] != '-' || sj[10] != ' ' || sj[13] != ':' || sj[16] != ':')
    return false;
  if (!ParseFixedDigits(sj, 0, 4, parsed.date.year) || !ParseFixedDigits(sj, 5, 2, parsed.date.month) ||
      !ParseFixedDigits(sj, 8, 2, parsed.date.day) || !ParseFixedDigits(sj, 11, 2, parsed.hour) ||
      !ParseFixedDigits(sj, 14, 2, parsed.minute) || !ParseFixedDigits(sj, 17, 2, parsed.second))
    return false;
  if (!IsValidYmd(parsed.date.year, parsed.date.month, parsed.date.day) || parsed.hour > 23 || parsed.minute > 59 ||
      parsed.second > 59)
    return false;
  long long year = 0;
  if (!ParseInt(yearA, year, 4) || year != parsed.date.year) return false;
  parsed.yearA = static_cast<int>(year);
  moment = parsed;
  return true;
}

TermMoments TermMomentsOfYear(int year) {
  return ToTermMoments(
      data::Query(data::RefDb::Tgcode, kColumns + "YearA = ? order by SJ", {std::to_string(year)}));
}

TermMoments JieMomentsOnDate(int year, const Ymd& date) {
  return ToTermMoments(data::Query(data::RefDb::Tgcode,
                                   kColumns + "YearA = ? and JQ in " + JieNameList() +
                                       " and substr(SJ, 1, 10) = ? order by SJ",
                                   {std::to_string(year), FormatYmd(date)}));
}

TermMomentLookup LastJieAtOrBefore(DateTime t) { return NeighbouringJie(t, "<=", "desc", -1); }
TermMomentLookup LastJieBefore(DateTime t) { return NeighbouringJie(t, "<", "desc", -1); }
TermMomentLookup FirstJieAfter(DateTime t) { return NeighbouringJie(t, ">", "asc", 0); }

}  // namespace qk::calendar
