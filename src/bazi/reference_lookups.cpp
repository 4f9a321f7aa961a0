#include "bazi/reference_lookups.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "common/text.h"
#include "data/reference_db.h"

namespace qk::bazi {

struct LookupMemoScope::Memo {
  std::optional<std::map<std::string, std::string>> nayin, tenGods;  // whole tables, keys without trailing blanks
  std::optional<std::vector<std::pair<std::string, std::string>>> elements;  // hzwh rows in table order
};

namespace {

thread_local LookupMemoScope::Memo* activeMemo = nullptr;

// The key columns compare without trailing blanks.
std::string WithoutTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

// A whole two-column table as a map; an unreadable table reads as empty, as
// each single look-up would.
std::map<std::string, std::string> WholeTable(std::string_view sql) {
  std::map<std::string, std::string> table;
  const data::Rows rows = data::Query(data::RefDb::Tgcode, sql);
  for (const auto& row : rows.rows)
    if (row.size() == 2) table.emplace(WithoutTrailingBlanks(row[0]), Trim(row[1]));
  return table;
}

std::string FromTable(std::optional<std::map<std::string, std::string>>& table, std::string_view sql,
                      std::string_view key) {
  if (!table) table = WholeTable(sql);
  const auto found = table->find(WithoutTrailingBlanks(key));
  return found == table->end() ? std::string() : found->second;
}

std::string FirstValue(std::string_view sql, std::string key) {
  return data::QueryFirst(data::RefDb::Tgcode, sql, {std::move(key)}).Text(0);
}

// LIKE treats % and _ as wildcards; a character is matched literally.
std::string EscapeLike(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '%' || c == '_' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// LIKE '%key%': the first row whose hz holds the key, ASCII letters matching
// either case as SQLite's LIKE does.
bool ContainsLike(std::string_view text, std::string_view key) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (key.size() > text.size()) return false;
  for (std::size_t at = 0; at + key.size() <= text.size(); ++at) {
    std::size_t i = 0;
    while (i < key.size() && lower(text[at + i]) == lower(key[i])) ++i;
    if (i == key.size()) return true;
  }
  return false;
}

std::string ElementFromRows(LookupMemoScope::Memo& memo, std::string_view key) {
  if (!memo.elements) {
    memo.elements.emplace();
    const data::Rows rows = data::Query(data::RefDb::Tgcode, "select hz, wh from hzwh");
    for (const auto& row : rows.rows)
      if (row.size() == 2) memo.elements->emplace_back(row[0], Trim(row[1]));
  }
  for (const auto& [hz, wh] : *memo.elements)
    if (ContainsLike(hz, key)) return wh;
  return {};
}

}  // namespace

LookupMemoScope::LookupMemoScope() : memo_(new Memo), outer_(activeMemo) { activeMemo = memo_; }

LookupMemoScope::~LookupMemoScope() {
  activeMemo = outer_;
  delete memo_;
}

std::string LookupTenGod(std::string_view stemPair) {
  if (activeMemo) return FromTable(activeMemo->tenGods, "select jiazi, ShiShen from Shishen", stemPair);
  // The key column compares without trailing blanks (collate rtrim).
  return FirstValue("select ShiShen from Shishen where jiazi = ? limit 1", std::string(stemPair));
}

std::string LookupNayin(std::string_view pillar) {
  if (activeMemo) return FromTable(activeMemo->nayin, "select jiazi, layin from jiazi", pillar);
  // Callers may pass a pillar with a trailing blank (the fetal origin is
  // stored that way); the key column ignores trailing blanks, so it matches.
  return FirstValue("select layin from jiazi where jiazi = ? limit 1", std::string(pillar));
}

std::string LookupCharElement(std::string_view character) {
  const std::string key = Trim(character);
  if (key.empty()) return {};
  if (activeMemo) return ElementFromRows(*activeMemo, key);
  return FirstValue("select wh from hzwh where hz like ? escape '\\' limit 1", "%" + EscapeLike(key) + "%");
}

}  // namespace qk::bazi
