#pragma once
// Read-only access to the four reference databases that lie beside the
// executable. Each look-up opens its own connection, runs one prepared
// statement with bound parameters and closes again, so the files are found
// wherever the program is installed and whatever the current directory is.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qk::data {

enum class RefDb { Dream, KunFile, KunBirth, Tgcode };

inline constexpr RefDb kAllRefDbs[] = {RefDb::Dream, RefDb::KunFile, RefDb::KunBirth, RefDb::Tgcode};

// "dream.dll", "KunFile.dll", "KunBirth.dll", "Tgcode.dll".
std::string ReferenceFileName(RefDb db);

// Directory of the running executable (or the one set for tests).
std::filesystem::path ReferenceDirectory();
void SetReferenceDirectory(std::optional<std::filesystem::path> directory);

// The SQLite URI that opens one file of the reference directory read-only.
// Blanks, quotes and other special characters of the path are percent-encoded.
std::string ReferenceConnectionString(std::string_view fileName);

enum class LookupStatus { Ok, NoRow, Failed };

struct Rows {
  LookupStatus status = LookupStatus::Failed;
  std::vector<std::string> columns;            // column names of the select list
  std::vector<std::vector<std::string>> rows;  // values as text, untrimmed; NULL is ""
  std::string error;                           // why it failed, for diagnostics

  bool ok() const { return status == LookupStatus::Ok; }
  bool failed() const { return status == LookupStatus::Failed; }
  std::size_t count() const { return rows.size(); }
  // The first row's value by position or by column name (case-insensitive),
  // trimmed; "" when there is no row or no such column.
  std::string Text(std::size_t column) const;
  std::string Text(std::string_view columnName) const;
};

// Runs one select with '?' placeholders bound, in order, to the given texts.
// At most maxRows rows are read (0 = all). Ok when at least one row came back,
// NoRow when none did, Failed when the file could not be opened or read.
Rows Query(RefDb db, std::string_view sql, const std::vector<std::string>& params = {},
           std::size_t maxRows = 0);

// Query(...) limited to the first row.
inline Rows QueryFirst(RefDb db, std::string_view sql, const std::vector<std::string>& params = {}) {
  return Query(db, sql, params, 1);
}

// Opens the file and checks that it is a readable database holding every
// table the program reads from it.
bool IsUsable(RefDb db);
// Names of the reference files that cannot be used, in the order of kAllRefDbs.
std::vector<std::string> UnusableReferenceFiles();

}  // namespace qk::data
