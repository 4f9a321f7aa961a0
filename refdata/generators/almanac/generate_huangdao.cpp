// Writes the huangdao table of KunFile.dll: the almanac entry of every day
// from 1901-01-01 to 2100-12-31, as TSV (one header line, then one row a day).
//
//   almanac_gen OUTPUT.tsv DAY_SPIRITS.tsv
//
// The file is written beside its final name and renamed into place, so a run
// that fails never leaves a partial table behind.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "calendar/almanac_entry.h"
#include "common/day_count.h"
#include "month_openings.h"

namespace {

constexpr qk::Ymd kFirstDay{1901, 1, 1};
constexpr qk::Ymd kLastDay{2100, 12, 31};

// TSV fields escape backslashes, TABs and line breaks.
std::string Escaped(const std::string& field) {
  std::string out;
  for (char c : field) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: almanac_gen OUTPUT.tsv DAY_SPIRITS.tsv\n";
    return 2;
  }
  const std::filesystem::path output = argv[1];
  std::string error;
  const auto spirits = qk::calendar::DaySpiritTable::Load(argv[2], &error);
  if (!spirits) {
    std::cerr << "almanac_gen: " << argv[2] << ": " << error << "\n";
    return 1;
  }
  // The year before the first day supplies the month running on 1901-01-01.
  const qk::calendar::MonthOpenings openings(
      qk::almanac_gen::ComputeMonthOpenings(kFirstDay.year - 1, kLastDay.year));

  const std::filesystem::path partial = output.string() + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out) {
      std::cerr << "almanac_gen: cannot write " << partial << "\n";
      return 1;
    }
    out << "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji\tjishi\n";
    for (int day = qk::DayNumber(kFirstDay); day <= qk::DayNumber(kLastDay); ++day) {
      const auto e = qk::calendar::ComputeAlmanacEntry(qk::YmdFromDayNumber(day), openings, *spirits);
      if (!e) {
        std::cerr << "almanac_gen: no entry for " << qk::FormatYmd(qk::YmdFromDayNumber(day)) << "\n";
        return 1;
      }
      for (const std::string* field : {&e->gn, &e->nn, &e->suici, &e->tszf, &e->wuhang, &e->cong, &e->pzbj,
                                       &e->jsyq, &e->yi, &e->xsyq, &e->ji, &e->jishi})
        out << (field == &e->gn ? "" : "\t") << Escaped(*field);
      out << '\n';
    }
    out.flush();
    if (!out) {
      std::cerr << "almanac_gen: writing " << partial << " failed\n";
      return 1;
    }
  }
  std::error_code renameError;
  std::filesystem::rename(partial, output, renameError);
  if (renameError) {
    std::cerr << "almanac_gen: cannot rename to " << output << ": " << renameError.message() << "\n";
    return 1;
  }
  return 0;
}
