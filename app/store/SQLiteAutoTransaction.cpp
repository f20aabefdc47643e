#include "app/store/SQLiteAutoTransaction.h"

#include <sqlite3.h>

SQLiteAutoTransaction::~SQLiteAutoTransaction() {
  if (active_) Commit();
}

bool SQLiteAutoTransaction::Begin() {
  if (active_) return true;
  active_ = connection_.Execute("BEGIN") == SQLITE_OK;
  return active_;
}

bool SQLiteAutoTransaction::Commit() {
  if (!active_) return false;
  active_ = false;
  if (connection_.Execute("END") == SQLITE_OK) return true;
  connection_.Execute("ROLLBACK");
  return false;
}

void SQLiteAutoTransaction::Rollback() {
  if (!active_) return;
  active_ = false;
  connection_.Execute("ROLLBACK");
}
