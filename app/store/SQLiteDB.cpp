#include "app/store/SQLiteDB.h"

#include <sqlite3.h>

SQLiteDB::~SQLiteDB() {
  Close();
}

int SQLiteDB::Open(const std::string& path_utf8, int flags) {
  Close();
  const int result = sqlite3_open_v2(path_utf8.c_str(), &handle_, flags, nullptr);
  // sqlite3_open_v2 hands out a connection even when it fails; it must still be closed.
  if (result != SQLITE_OK) Close();
  return result;
}

void SQLiteDB::Close() {
  if (!handle_) return;
  sqlite3_close(handle_);
  handle_ = nullptr;
}

int SQLiteDB::Execute(const char* sql) {
  if (!handle_) return SQLITE_MISUSE;
  return sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
}

int64_t SQLiteDB::LastInsertRowId() const {
  return handle_ ? sqlite3_last_insert_rowid(handle_) : 0;
}
