#pragma once
// The activities (宜/忌) and spirits (吉神/凶煞) of a day, which depend on the
// month branch and the day pillar: 12 × 60 rows of a reference table kept as
// text (refdata/generators/almanac/day_spirits.tsv).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qk::calendar {

struct DaySpirits {
  std::vector<std::string> yi;    // 宜
  std::vector<std::string> ji;    // 忌
  std::vector<std::string> jsyq;  // 吉神宜趋
  std::vector<std::string> xsyq;  // 凶神宜忌
};

class DaySpiritTable {
 public:
  // Reads the table text: '#' comment lines, one header line, then rows of
  // month branch, day pillar, 宜, 忌, 吉神, 凶煞 separated by TABs, the words
  // of a list separated by blanks. Every one of the 720 keys must appear once.
  static std::optional<DaySpiritTable> Parse(std::string_view text, std::string* error = nullptr);
  static std::optional<DaySpiritTable> Load(const std::string& path, std::string* error = nullptr);

  const DaySpirits& At(int monthBranch, int dayPillar) const;

 private:
  std::vector<DaySpirits> rows_;  // monthBranch * 60 + dayPillar
};

}  // namespace qk::calendar
