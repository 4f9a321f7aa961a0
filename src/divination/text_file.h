#pragma once
// Saving a text as a GBK file with CR LF line ends, the way the hexagram text
// is handed to the user.
#include <filesystem>
#include <string>
#include <vector>

namespace qk::divination {

// The chosen name with ".txt" appended, whatever it already ends with.
std::string SaveNameWithTxt(const std::string& chosen);

struct SaveResult {
  bool ok = false;
  std::string message;  // when not ok: what went wrong, for the user
};

// Writes every line followed by CR LF, in GBK, without a byte-order mark.
// The text goes to a temporary file beside the target first and is renamed
// over it only when complete, so a failure never leaves a half-written file
// and never damages a file that was there before.
SaveResult SaveLinesAsGbk(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace qk::divination
