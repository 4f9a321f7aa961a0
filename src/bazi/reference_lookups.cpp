#include "bazi/reference_lookups.h"

#include "common/text.h"
#include "data/reference_db.h"

namespace qk::bazi {
namespace {

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

}  // namespace

std::string LookupTenGod(std::string_view stemPair) {
  // The key column compares without trailing blanks (collate rtrim).
  return FirstValue("select ShiShen from Shishen where jiazi = ? limit 1", std::string(stemPair));
}

std::string LookupNayin(std::string_view pillar) {
  // Callers may pass a pillar with a trailing blank (the fetal origin is
  // stored that way); the key column ignores trailing blanks, so it matches.
  return FirstValue("select layin from jiazi where jiazi = ? limit 1", std::string(pillar));
}

std::string LookupCharElement(std::string_view character) {
  const std::string key = Trim(character);
  if (key.empty()) return {};
  return FirstValue("select wh from hzwh where hz like ? escape '\\' limit 1", "%" + EscapeLike(key) + "%");
}

}  // namespace qk::bazi
