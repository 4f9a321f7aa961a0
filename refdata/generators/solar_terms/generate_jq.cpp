// Writes the JQ reference table: every solar-term moment of 1900-2100 in
// China Standard Time, as TSV with the columns JQ (term name), SJ
// ("YYYY-MM-DD HH:MM:SS") and YearA (the Gregorian year of the moment).
//
//   solar_terms_gen OUTPUT.tsv
//
// The file is written beside its final name and renamed into place, so a run
// that fails never leaves a partial table behind.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "calendar/sexagenary_tables.h"
#include "solar_terms/solar_term_moments.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: solar_terms_gen OUTPUT.tsv\n";
    return 2;
  }
  const std::filesystem::path output = argv[1];
  const std::filesystem::path partial = output.string() + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out) {
      std::cerr << "solar_terms_gen: cannot write " << partial << "\n";
      return 1;
    }
    out << "JQ\tSJ\tYearA\n";
    for (int year = qk::astro::kFirstTermYear; year <= qk::astro::kLastTermYear; ++year) {
      const auto moments = qk::astro::SolarTermMomentsCst(year);
      for (std::size_t n = 0; n < moments.size(); ++n)
        out << qk::calendar::SolarTermNames[n] << '\t' << qk::astro::FormatCivilMoment(moments[n]) << '\t'
            << moments[n].year << '\n';
    }
    out.flush();
    if (!out) {
      std::cerr << "solar_terms_gen: writing " << partial << " failed\n";
      return 1;
    }
  }
  std::error_code error;
  std::filesystem::rename(partial, output, error);
  if (error) {
    std::cerr << "solar_terms_gen: cannot rename to " << output << ": " << error.message() << "\n";
    return 1;
  }
  return 0;
}
