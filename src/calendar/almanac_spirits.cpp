#include "calendar/almanac_spirits.h"

#include <fstream>
#include <sstream>

#include "calendar/almanac_rules.h"
#include "calendar/sexagenary_tables.h"
#include "common/text.h"

namespace qk::calendar {
namespace {

constexpr int kRows = 12 * 60;

std::vector<std::string> SplitOn(std::string_view text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

std::vector<std::string> Words(std::string_view field) {
  std::vector<std::string> words;
  for (std::string& w : SplitOn(field, ' '))
    if (!w.empty()) words.push_back(std::move(w));
  return words;
}

int BranchIndex(std::string_view name) {
  for (int b = 0; b < 12; ++b)
    if (BranchNames[b] == name) return b;
  return -1;
}

int PillarIndex(std::string_view name) {
  for (int p = 0; p < 60; ++p)
    if (PillarName(p) == name) return p;
  return -1;
}

std::nullopt_t Fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return std::nullopt;
}

}  // namespace

std::optional<DaySpiritTable> DaySpiritTable::Parse(std::string_view text, std::string* error) {
  DaySpiritTable table;
  table.rows_.resize(kRows);
  std::vector<bool> seen(kRows, false);
  bool headerSeen = false;
  int lineNumber = 0;
  for (const std::string& line : SplitLines(text)) {
    ++lineNumber;
    if (line.empty() || line[0] == '#') continue;
    if (!headerSeen) {
      headerSeen = true;
      continue;
    }
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    const auto fields = SplitOn(line, '\t');
    if (fields.size() != 6) return Fail(error, where + "expected 6 fields");
    const int branch = BranchIndex(fields[0]);
    const int pillar = PillarIndex(fields[1]);
    if (branch < 0 || pillar < 0) return Fail(error, where + "unknown month branch or day pillar");
    const int key = branch * 60 + pillar;
    if (seen[key]) return Fail(error, where + "repeated key");
    seen[key] = true;
    table.rows_[key] = {Words(fields[2]), Words(fields[3]), Words(fields[4]), Words(fields[5])};
  }
  for (int key = 0; key < kRows; ++key)
    if (!seen[key])
      return Fail(error, "missing month " + std::string(BranchNames[key / 60]) + ", day " + PillarName(key % 60));
  return table;
}

std::optional<DaySpiritTable> DaySpiritTable::Load(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, "cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return Parse(text.str(), error);
}

const DaySpirits& DaySpiritTable::At(int monthBranch, int dayPillar) const {
  return rows_.at(static_cast<std::size_t>(((monthBranch % 12 + 12) % 12) * 60 + ((dayPillar % 60 + 60) % 60)));
}

}  // namespace qk::calendar
