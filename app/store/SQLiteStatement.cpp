#include "app/store/SQLiteStatement.h"

#include <sqlite3.h>

#include "platform/Text.h"

SQLiteStatement::~SQLiteStatement() {
  Finalize();
}

int SQLiteStatement::Prepare(SQLiteDB& connection, const char* sql) {
  Finalize();
  if (!connection.Handle()) return SQLITE_MISUSE;
  const int result = sqlite3_prepare_v2(connection.Handle(), sql, -1, &handle_, nullptr);
  if (result != SQLITE_OK) Finalize();
  return result;
}

void SQLiteStatement::Finalize() {
  if (handle_) sqlite3_finalize(handle_);
  handle_ = nullptr;
  done_ = false;
}

int SQLiteStatement::Bind(int index, int value) {
  if (!handle_) return SQLITE_MISUSE;
  return sqlite3_bind_int(handle_, index, value);
}

int SQLiteStatement::Bind(int index, const std::wstring& text) {
  if (!handle_) return SQLITE_MISUSE;
  const std::string utf8 = platform::ToUtf8(text);
  return sqlite3_bind_text(handle_, index, utf8.data(), static_cast<int>(utf8.size()),
                           SQLITE_TRANSIENT);
}

int SQLiteStatement::Step() {
  if (!handle_) return SQLITE_MISUSE;
  const int result = sqlite3_step(handle_);
  done_ = result == SQLITE_DONE;
  return result;
}

int SQLiteStatement::ColumnInt(int column) const {
  if (!handle_) return 0;
  return sqlite3_column_int(handle_, column);
}

std::wstring SQLiteStatement::ColumnText(int column) const {
  if (!handle_) return {};
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
  if (!text) return {};
  return platform::FromUtf8(std::string_view(text, sqlite3_column_bytes(handle_, column)));
}
