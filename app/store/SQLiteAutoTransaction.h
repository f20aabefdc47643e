#pragma once

#include "app/store/SQLiteDB.h"

// One transaction on a connection: Begin runs "BEGIN", Commit runs "END". A transaction still
// active when the object goes away is committed, so the writes made so far are kept together.
class SQLiteAutoTransaction {
 public:
  explicit SQLiteAutoTransaction(SQLiteDB& connection) : connection_(connection) {}
  ~SQLiteAutoTransaction();
  SQLiteAutoTransaction(const SQLiteAutoTransaction&) = delete;
  SQLiteAutoTransaction& operator=(const SQLiteAutoTransaction&) = delete;

  bool Begin();
  // False when the commit failed; the transaction is then rolled back, so no write of it stays
  // and the connection is not left inside an open transaction.
  bool Commit();
  // Drops every write made since Begin.
  void Rollback();
  bool IsActive() const { return active_; }

 private:
  SQLiteDB& connection_;
  bool active_ = false;
};
