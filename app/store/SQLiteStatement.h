#pragma once

#include <string>

#include "app/store/SQLiteDB.h"

struct sqlite3_stmt;

// Owns one prepared statement. A statement that failed to prepare stays empty: binding and
// stepping it report SQLITE_MISUSE without touching the library, so a failed prepare surfaces as
// a failed step.
class SQLiteStatement {
 public:
  SQLiteStatement() = default;
  SQLiteStatement(SQLiteDB& connection, const char* sql) { Prepare(connection, sql); }
  ~SQLiteStatement();
  SQLiteStatement(const SQLiteStatement&) = delete;
  SQLiteStatement& operator=(const SQLiteStatement&) = delete;

  // Finalizes the statement held before, then prepares `sql`.
  int Prepare(SQLiteDB& connection, const char* sql);
  void Finalize();

  // Parameters are numbered from 1. Text is bound as UTF-8 with its byte length.
  int Bind(int index, int value);
  int Bind(int index, const std::wstring& text);

  // SQLITE_ROW while rows come, SQLITE_DONE at the end, an error code otherwise.
  int Step();
  bool IsDone() const { return done_; }

  // Columns are numbered from 0; NULL reads as 0 or empty text.
  int ColumnInt(int column) const;
  std::wstring ColumnText(int column) const;

 private:
  sqlite3_stmt* handle_ = nullptr;
  bool done_ = false;
};
