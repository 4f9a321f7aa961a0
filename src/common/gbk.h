#pragma once
// UTF-8 <-> GBK. Core strings are UTF-8; where a rule counts or addresses GBK
// bytes, convert here. Conversion uses glibc iconv, which rejects invalid
// input instead of guessing.
#include <optional>
#include <string>
#include <string_view>

namespace qk {

// nullopt when the text holds a character GBK cannot encode or is not UTF-8.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
// nullopt when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

// Number of GBK bytes of a UTF-8 text; characters outside GBK count as 2.
std::size_t GbkByteLength(std::string_view utf8);

// Bytes [first, first+count) (1-based, as the classic string routines count)
// of the GBK form of a UTF-8 text, converted back to UTF-8. A range that cuts
// a character in half drops that half.
std::string GbkSubstring(std::string_view utf8, std::size_t first, std::size_t count);

}  // namespace qk
