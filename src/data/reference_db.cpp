#include "data/reference_db.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/text.h"

namespace qk::data {
namespace {

std::optional<std::filesystem::path>& DirectoryOverride() {
  static std::optional<std::filesystem::path> directory;
  return directory;
}

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return exe.parent_path();
}

std::string PercentEncodePath(const std::string& path) {
  std::string out;
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~' || c >= 0x80) {
      out += static_cast<char>(c);
    } else {
      char buffer[4];
      std::snprintf(buffer, sizeof buffer, "%%%02X", c);
      out += buffer;
    }
  }
  return out;
}

struct Connection {
  sqlite3* db = nullptr;
  ~Connection() { sqlite3_close(db); }
};

struct Statement {
  sqlite3_stmt* stmt = nullptr;
  ~Statement() { sqlite3_finalize(stmt); }
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string ReferenceFileName(RefDb db) {
  switch (db) {
    case RefDb::Dream: return "dream.dll";
    case RefDb::KunFile: return "KunFile.dll";
    case RefDb::KunBirth: return "KunBirth.dll";
    case RefDb::Tgcode: return "Tgcode.dll";
  }
  return {};
}

std::filesystem::path ReferenceDirectory() {
  if (DirectoryOverride()) return *DirectoryOverride();
  static const std::filesystem::path directory = ExecutableDirectory();
  return directory;
}

void SetReferenceDirectory(std::optional<std::filesystem::path> directory) {
  DirectoryOverride() = std::move(directory);
}

std::string ReferenceConnectionString(std::string_view fileName) {
  const auto path = (ReferenceDirectory() / std::string(fileName)).lexically_normal();
  // immutable=1: the files never change under us, so no locks are taken and a
  // database locked by another process still reads.
  return "file:" + PercentEncodePath(std::filesystem::absolute(path).string()) + "?mode=ro&immutable=1";
}

std::string Rows::Text(std::size_t column) const {
  if (rows.empty() || column >= rows.front().size()) return {};
  return Trim(rows.front()[column]);
}

std::string Rows::Text(std::string_view columnName) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (EqualsIgnoreCase(columns[i], columnName)) return Text(i);
  return {};
}

Rows Query(RefDb db, std::string_view sql, const std::vector<std::string>& params, std::size_t maxRows) {
  Rows result;
  const std::string fileName = ReferenceFileName(db);
  const auto path = ReferenceDirectory() / fileName;
  std::error_code error;
  // SQLite would quietly open an empty file as an empty database; a missing
  // or zero-length file is a failure here.
  if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) == 0) {
    result.error = fileName + ": missing or empty";
    return result;
  }
  Connection connection;
  const std::string uri = ReferenceConnectionString(fileName);
  if (sqlite3_open_v2(uri.c_str(), &connection.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
    result.error = fileName + ": " + (connection.db ? sqlite3_errmsg(connection.db) : "cannot open");
    return result;
  }
  sqlite3_busy_timeout(connection.db, 200);
  Statement statement;
  if (sqlite3_prepare_v2(connection.db, sql.data(), static_cast<int>(sql.size()), &statement.stmt, nullptr) !=
          SQLITE_OK ||
      !statement.stmt) {
    result.error = fileName + ": " + sqlite3_errmsg(connection.db);
    return result;
  }
  for (std::size_t i = 0; i < params.size(); ++i)
    sqlite3_bind_text(statement.stmt, static_cast<int>(i + 1), params[i].data(),
                      static_cast<int>(params[i].size()), SQLITE_TRANSIENT);
  const int columnCount = sqlite3_column_count(statement.stmt);
  for (int c = 0; c < columnCount; ++c) result.columns.emplace_back(sqlite3_column_name(statement.stmt, c));
  while (maxRows == 0 || result.rows.size() < maxRows) {
    const int step = sqlite3_step(statement.stmt);
    if (step == SQLITE_DONE) break;
    if (step != SQLITE_ROW) {
      result.error = fileName + ": " + sqlite3_errmsg(connection.db);
      result.rows.clear();
      return result;
    }
    std::vector<std::string> row;
    for (int c = 0; c < columnCount; ++c) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.stmt, c));
      row.emplace_back(text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement.stmt, c)))
                            : std::string());
    }
    result.rows.push_back(std::move(row));
  }
  result.status = result.rows.empty() ? LookupStatus::NoRow : LookupStatus::Ok;
  return result;
}

namespace {

// The tables the program reads from each file; a copy without one of them
// would fail every look-up in it, so it counts as unusable.
std::vector<std::string> RequiredTables(RefDb db) {
  switch (db) {
    case RefDb::Dream: return {"shouji", "chenggu", "chenggu1", "chenggu2", "chenggu3", "chenggu4"};
    case RefDb::KunFile: return {"huangdao", "picturepage"};
    case RefDb::KunBirth: return {"noter"};
    case RefDb::Tgcode: return {"hzwh", "shishen", "jiazi", "jq", "64gua"};
  }
  return {};
}

}  // namespace

bool IsUsable(RefDb db) {
  const std::vector<std::string> tables = RequiredTables(db);
  std::string sql = "select count(distinct lower(name)) from sqlite_master where type = 'table' and lower(name) in (";
  for (std::size_t i = 0; i < tables.size(); ++i) sql += i == 0 ? "?" : ",?";
  sql += ")";
  const Rows rows = Query(db, sql, tables);
  return rows.ok() && rows.Text(0) == std::to_string(tables.size());
}

std::vector<std::string> UnusableReferenceFiles() {
  std::vector<std::string> names;
  for (RefDb db : kAllRefDbs)
    if (!IsUsable(db)) names.push_back(ReferenceFileName(db));
  return names;
}

}  // namespace qk::data
