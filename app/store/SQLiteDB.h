#pragma once

#include <cstdint>
#include <string>

struct sqlite3;

// Owns one SQLite connection. Result codes of the library are passed through unchanged.
class SQLiteDB {
 public:
  SQLiteDB() = default;
  virtual ~SQLiteDB();
  SQLiteDB(const SQLiteDB&) = delete;
  SQLiteDB& operator=(const SQLiteDB&) = delete;

  // Opens `path_utf8` with sqlite3_open_v2 flags; any connection held before is closed first.
  // On failure the half-made connection is closed again and the result code returned.
  int Open(const std::string& path_utf8, int flags);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }
  sqlite3* Handle() const { return handle_; }

  // Runs statements that return no rows ("BEGIN", "PRAGMA ..."). SQLITE_MISUSE when closed.
  int Execute(const char* sql);
  int64_t LastInsertRowId() const;

 private:
  sqlite3* handle_ = nullptr;
};
