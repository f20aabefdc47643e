#pragma once

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// A second, independent look at a database file through the plain SQLite library, the way any
// sqlite3 tool would open it.
class RawSqlite {
 public:
  explicit RawSqlite(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      sqlite3_close(db_);
      db_ = nullptr;
    }
    if (db_) sqlite3_busy_timeout(db_, 5000);
  }
  ~RawSqlite() { sqlite3_close(db_); }
  RawSqlite(const RawSqlite&) = delete;
  RawSqlite& operator=(const RawSqlite&) = delete;

  bool IsOpen() const { return db_ != nullptr; }

  // Every row, columns as text joined with '|'; a row "error <code>" when the query failed.
  std::vector<std::string> Rows(const std::string& sql) {
    std::vector<std::string> rows;
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
    while (code == SQLITE_OK || code == SQLITE_ROW) {
      code = sqlite3_step(statement);
      if (code != SQLITE_ROW) break;
      std::string row;
      for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        if (column > 0) row += "|";
        const auto* text = sqlite3_column_text(statement, column);
        row += text ? reinterpret_cast<const char*>(text) : "";
      }
      rows.push_back(row);
    }
    sqlite3_finalize(statement);
    if (code != SQLITE_DONE) rows.push_back("error " + std::to_string(code));
    return rows;
  }

  std::string Text(const std::string& sql) {
    const auto rows = Rows(sql);
    return rows.empty() ? "" : rows.front();
  }

  // The first column of the first row as a number; -1 when there is none.
  int Int(const std::string& sql) {
    const std::string text = Text(sql);
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end != '\0' ? -1 : static_cast<int>(value);
  }

  bool Execute(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }

 private:
  sqlite3* db_ = nullptr;
};
