#include "common/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace qk {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(input.size() * 2 + 16);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) {
        const std::size_t used = out.size() - outLeft;
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = out.size() - used;
        continue;
      }
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

// Drops a lone lead byte at either end of a GBK byte range.
std::string CleanGbkRange(std::string_view gbk) {
  std::string out;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto c = static_cast<unsigned char>(gbk[i]);
    if (c < 0x80) {
      out += gbk[i++];
    } else if (i + 1 < gbk.size()) {
      out += gbk.substr(i, 2);
      i += 2;
    } else {
      break;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8); }

std::optional<std::string> GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk); }

std::size_t GbkByteLength(std::string_view utf8) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    bytes += len == 1 ? 1 : 2;  // GBK has no wider characters
    i += len;
  }
  return bytes;
}

std::string GbkSubstring(std::string_view utf8, std::size_t first, std::size_t count) {
  const auto gbk = Utf8ToGbk(utf8);
  if (!gbk || first == 0 || first > gbk->size()) return {};
  std::string_view bytes(*gbk);
  std::size_t start = first - 1;
  // A range that begins on the second byte of a character skips that byte.
  std::size_t pos = 0;
  while (pos < start) pos += static_cast<unsigned char>(bytes[pos]) < 0x80 ? 1 : 2;
  const std::size_t skip = pos - start;
  if (skip >= count) return {};
  auto piece = bytes.substr(pos, count - skip);
  auto utf = GbkToUtf8(CleanGbkRange(piece));
  return utf ? *utf : std::string();
}

}  // namespace qk
