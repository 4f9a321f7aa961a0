// refdb_build OUT.dll INPUT...
//
// Builds one reference database from text sources, in one transaction:
//   *.sql  executed as is (schema first, then rows);
//   *.tsv  rows for the table named by the file's stem; the first line holds
//          the column names, fields are separated by TABs, and inside a field
//          \n, \t, \r and \\ stand for a line break, a TAB, a CR and a backslash.
// The database is written to a temporary file and renamed, so a failed build
// never leaves a half-filled database behind.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      char next = field[++i];
      switch (next) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: out += '\\'; out += next; break;
      }
    } else {
      out += field[i];
    }
  }
  return out;
}

void Exec(sqlite3* db, const std::string& sql, const std::string& origin) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(origin + ": " + message);
  }
}

void ImportTsv(sqlite3* db, const std::filesystem::path& path) {
  std::istringstream in(ReadFile(path));
  std::string line;
  if (!std::getline(in, line)) return;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const auto columns = SplitTabs(line);
  std::string sql = "insert into \"" + path.stem().string() + "\" (";
  std::string marks;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    sql += (i ? ",\"" : "\"") + columns[i] + "\"";
    marks += i ? ",?" : "?";
  }
  sql += ") values (" + marks + ")";
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
    throw std::runtime_error(path.string() + ": " + sqlite3_errmsg(db));
  int lineNo = 1;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const auto fields = SplitTabs(line);
    if (fields.size() != columns.size()) {
      sqlite3_finalize(stmt);
      throw std::runtime_error(path.string() + ":" + std::to_string(lineNo) + ": expected " +
                               std::to_string(columns.size()) + " fields, found " +
                               std::to_string(fields.size()));
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::string value = Unescape(fields[i]);
      sqlite3_bind_text(stmt, static_cast<int>(i + 1), value.c_str(), static_cast<int>(value.size()),
                        SQLITE_TRANSIENT);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE) {
      std::string message = sqlite3_errmsg(db);
      sqlite3_finalize(stmt);
      throw std::runtime_error(path.string() + ":" + std::to_string(lineNo) + ": " + message);
    }
    sqlite3_reset(stmt);
  }
  sqlite3_finalize(stmt);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: refdb_build OUT.dll SCHEMA.sql [INPUT.sql|INPUT.tsv]...\n";
    return 2;
  }
  const std::filesystem::path out = argv[1];
  const std::filesystem::path temp = out.string() + ".tmp";
  std::filesystem::remove(temp);
  sqlite3* db = nullptr;
  try {
    if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK)
      throw std::runtime_error("cannot create " + temp.string());
    Exec(db, "pragma journal_mode=off; pragma synchronous=off; begin;", "setup");
    for (int i = 2; i < argc; ++i) {
      const std::filesystem::path input = argv[i];
      if (input.extension() == ".tsv") ImportTsv(db, input);
      else Exec(db, ReadFile(input), input.string());
    }
    Exec(db, "commit; vacuum;", "commit");
    sqlite3_close(db);
    std::filesystem::rename(temp, out);
  } catch (const std::exception& e) {
    std::cerr << "refdb_build: " << e.what() << "\n";
    if (db) sqlite3_close(db);
    std::filesystem::remove(temp);
    return 1;
  }
  return 0;
}
