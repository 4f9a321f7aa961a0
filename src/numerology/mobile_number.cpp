#include "numerology/mobile_number.h"

#include <algorithm>

#include "data/reference_db.h"

namespace qk::numerology {
namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<std::string> shoujiinfostr(std::string_view numberText) {
  if (numberText.size() < 8) return std::nullopt;
  const std::string_view tail = numberText.substr(7, 4);
  if (!AllDigits(tail)) return std::nullopt;
  int q = 0;
  for (char c : tail) q = q * 10 + (c - '0');
  return std::to_string(q % 80);
}

std::optional<std::string> MobileInputProblem(std::string_view trimmedNumber) {
  if (trimmedNumber.empty()) return std::string("请输入11位手机号码！");
  if (!AllDigits(trimmedNumber)) return std::string("手机号码只能由数字组成，请正确输入。");
  if (trimmedNumber.size() < 8) return std::string("手机号码不足8位，无法测算，请输入完整的11位手机号码。");
  if (trimmedNumber.size() > static_cast<std::size_t>(kMobileNumberLength))
    return std::string("手机号码最多11位，请正确输入。");
  return std::nullopt;
}

MobileResult LookupMobileVerdict(std::string_view trimmedNumber) {
  MobileResult result;
  const auto key = shoujiinfostr(trimmedNumber);
  if (!key) return result;
  const data::Rows rows =
      data::QueryFirst(data::RefDb::Dream, "select title,jx,content from shouji where num = ?", {*key});
  if (rows.failed()) return result;
  result.verdict.number = std::string(trimmedNumber);
  if (!rows.ok()) {
    result.status = MobileLookup::NoRow;
    return result;
  }
  result.status = MobileLookup::Found;
  result.verdict.title = rows.Text("title");
  result.verdict.grade = rows.Text("jx");
  result.verdict.content = rows.Text("content");
  return result;
}

}  // namespace qk::numerology
