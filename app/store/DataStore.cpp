#include "app/store/DataStore.h"

#include <sqlite3.h>

#include "app/store/DamagedStoreFile.h"
#include "app/store/SQLiteAutoTransaction.h"
#include "app/store/SQLiteStatement.h"
#include "app/store/StoreSchema.h"
#include "platform/Folders.h"

namespace {

// How long a statement waits for another process (keyvanectl, a second program) to release the
// file before it reports SQLITE_BUSY.
constexpr int kBusyTimeoutMs = 5000;

// The light_id under which the per-key colours of the custom light mode are kept.
constexpr int kCustomLightId = 128;
// Key assignments of this macro_type play the macro whose id is their macro_value.
constexpr int kMacroAssignment = 3;
// Macro items of this type are delays, not actions.
constexpr int kDelayItem = 1;
// The music layers are one set for the whole database, kept under profile 1; layer 1 is the one
// the visualizer reads and writes.
constexpr int kMusicProfile = 1;
constexpr int kMusicLayer = 1;

bool Succeeded(int code) {
  return code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE;
}

// Prepares and steps once; the first failing result code. Reading a file's header happens at
// prepare time, so this is where a file that is not a database shows.
int PrepareAndStep(SQLiteDB& connection, SQLiteStatement& statement, const char* sql) {
  const int code = statement.Prepare(connection, sql);
  return code == SQLITE_OK ? statement.Step() : code;
}

bool IsDamage(int code) {
  const int primary = code & 0xFF;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// Binds `values` to parameters 1, 2, ... in order.
template <typename... Values>
void BindInOrder(SQLiteStatement& statement, const Values&... values) {
  [[maybe_unused]] int index = 1;
  (statement.Bind(index++, values), ...);
}

// Prepares, binds, steps once and finalizes; the step's result code.
template <typename... Values>
int Run(SQLiteDB& connection, const char* sql, const Values&... values) {
  SQLiteStatement statement(connection, sql);
  BindInOrder(statement, values...);
  return statement.Step();
}

// The id of the row an INSERT made, or 0 when it failed.
template <typename... Values>
int Insert(SQLiteDB& connection, const char* sql, const Values&... values) {
  const int code = Run(connection, sql, values...);
  return Succeeded(code) ? static_cast<int>(connection.LastInsertRowId()) : 0;
}

template <typename... Values>
bool Write(SQLiteDB& connection, const char* sql, const Values&... values) {
  return Succeeded(Run(connection, sql, values...));
}

// The first column of the first row, or 0.
template <typename... Values>
int ReadInt(SQLiteDB& connection, const char* sql, const Values&... values) {
  SQLiteStatement statement(connection, sql);
  BindInOrder(statement, values...);
  return statement.Step() == SQLITE_ROW ? statement.ColumnInt(0) : 0;
}

// Fills `row` from the first row of the result; false when no row came back.
template <typename Row, typename Reader, typename... Values>
bool ReadOne(SQLiteDB& connection, Row& row, Reader read, const char* sql,
             const Values&... values) {
  SQLiteStatement statement(connection, sql);
  BindInOrder(statement, values...);
  if (statement.Step() != SQLITE_ROW) return false;
  row = read(statement);
  return true;
}

// Empties `list`, then adds one row per result row; the number of rows.
template <typename Row, typename Reader, typename... Values>
int ReadList(SQLiteDB& connection, std::vector<Row>& list, Reader read, const char* sql,
             const Values&... values) {
  list.clear();
  SQLiteStatement statement(connection, sql);
  BindInOrder(statement, values...);
  while (statement.Step() == SQLITE_ROW)
    list.push_back(read(statement));
  return static_cast<int>(list.size());
}

// Runs `writes` in one transaction: committed when it returns true, rolled back otherwise, so
// a failure or a crash part way leaves the database as it was.
template <typename Writes>
bool InOneTransaction(SQLiteDB& connection, Writes writes) {
  SQLiteAutoTransaction transaction(connection);
  if (!transaction.Begin()) return false;
  if (!writes()) {
    transaction.Rollback();
    return false;
  }
  return transaction.Commit();
}

// Readers of "SELECT *" rows, columns in table order.

ProfileRecord ReadProfile(const SQLiteStatement& row) {
  ProfileRecord record;
  record.profile = row.ColumnInt(0);
  record.name = row.ColumnText(1);
  record.status = row.ColumnInt(2);
  record.app = row.ColumnText(3);
  record.type = row.ColumnInt(4);
  return record;
}

KeyAssignment ReadKeyAssignment(const SQLiteStatement& row) {
  KeyAssignment record;
  record.key_id = row.ColumnInt(0);
  record.profile = row.ColumnInt(1);
  record.fn_layer = row.ColumnInt(2);
  record.key_code = row.ColumnInt(3);
  record.layout_value = row.ColumnInt(4);
  record.layout_desc = row.ColumnText(5);
  record.macro_type = row.ColumnInt(6);
  record.macro_value = row.ColumnInt(7);
  record.macro_value2 = row.ColumnInt(8);
  record.macro_value3 = row.ColumnInt(9);
  record.macro_desc = row.ColumnText(10);
  return record;
}

MacroInfo ReadMacroInfo(const SQLiteStatement& row) {
  MacroInfo info;
  info.macro_id = row.ColumnInt(0);
  info.play_times = row.ColumnInt(1);
  info.delay_type = row.ColumnInt(2);
  info.delay_time = row.ColumnInt(3);
  info.link_count = row.ColumnInt(4);
  info.loop_type = row.ColumnInt(5);
  info.name = row.ColumnText(6);
  return info;
}

MacroItem ReadMacroItem(const SQLiteStatement& row) {
  MacroItem item;
  item.record_id = row.ColumnInt(0);
  item.macro_id = row.ColumnInt(1);
  item.type = row.ColumnInt(2);
  item.record_index = row.ColumnInt(3);
  item.desc = row.ColumnText(4);
  item.value = row.ColumnInt(5);
  item.delay_time = row.ColumnInt(6);
  return item;
}

LightRecord ReadLight(const SQLiteStatement& row) {
  LightRecord record;
  record.light_id = row.ColumnInt(0);
  record.profile = row.ColumnInt(1);
  record.name = row.ColumnText(2);
  record.mode = row.ColumnInt(3);
  record.brightness = row.ColumnInt(4);
  record.speed = row.ColumnInt(5);
  record.direction = row.ColumnInt(6);
  record.colorful = row.ColumnInt(7);
  record.colorindex = row.ColumnInt(8);
  record.color_value = row.ColumnInt(9);
  record.config_func = row.ColumnInt(10);
  record.reserved = row.ColumnInt(11);
  record.status = row.ColumnInt(12);
  return record;
}

KeyLightRecord ReadKeyLight(const SQLiteStatement& row) {
  KeyLightRecord record;
  record.keylight_id = row.ColumnInt(0);
  record.profile = row.ColumnInt(1);
  record.light_id = row.ColumnInt(2);
  record.key_code = row.ColumnInt(3);
  record.key_rgb = row.ColumnInt(4);
  return record;
}

MusicLayerRecord ReadMusicLayer(const SQLiteStatement& row) {
  MusicLayerRecord record;
  record.layer_id = row.ColumnInt(0);
  record.profile = row.ColumnInt(1);
  record.name = row.ColumnText(2);
  record.deviceindex = row.ColumnInt(3);
  record.foremode = row.ColumnInt(4);
  record.fore_amplitude = row.ColumnInt(5);
  record.backmode = row.ColumnInt(6);
  record.backb_right = row.ColumnInt(7);
  record.sel = row.ColumnInt(8);
  return record;
}

constexpr const char* kInsertMacro =
    "INSERT INTO t_macro_data(play_times, delay_type, delay_time, link_count, loop_type, name) "
    "VALUES (?, ?, ?, ?, ?, ?);";
constexpr const char* kInsertMacroItem =
    "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, delay_time) "
    "VALUES (?, ?, ?, ?, ?, ?);";
constexpr const char* kSelectMacroItems =
    "SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC";
constexpr const char* kInsertKeyLight =
    "INSERT INTO t_key_light_data(profile, light_id, key_code, key_rgb) VALUES (?, ?, ?, ?);";

}  // namespace

DataStore::DataStore(Durability durability) : durability_(durability) {}

DataStore::~DataStore() {
  Close();
}

DataStore& DataStore::Instance() {
  static DataStore store;
  return store;
}

std::filesystem::path DataStore::StoreFile(const std::filesystem::path& data_folder,
                                           const std::wstring& model_name) {
  // The model name comes from config.xml: it must not be able to leave the db folder.
  return data_folder / "db" / platform::SafeFileName(model_name + std::wstring(kStoreFileSuffix));
}

// --- Connection ---

DataStore::OpenResult DataStore::OpenConnection(bool create) {
  connection_.Close();
  const int flags =
      SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  if (connection_.Open(path_, flags) != SQLITE_OK) return OpenResult::Failed;
  sqlite3_busy_timeout(connection_.Handle(), kBusyTimeoutMs);

  // Setting the journal mode is the first statement that reads the file's header.
  const char* journal = durability_ == Durability::WriteAheadLog ? "PRAGMA journal_mode = WAL;"
                                                                 : "PRAGMA journal_mode = DELETE;";
  SQLiteStatement statement;
  const int code = PrepareAndStep(connection_, statement, journal);
  statement.Finalize();
  if (IsDamage(code)) return OpenResult::Damaged;
  if (!Succeeded(code)) return OpenResult::Failed;
  const char* synchronous = durability_ == Durability::WriteAheadLog
                                ? "PRAGMA synchronous = NORMAL;"
                                : "PRAGMA synchronous = OFF;";
  if (!Succeeded(connection_.Execute(synchronous))) return OpenResult::Failed;
  return OpenResult::Opened;
}

DataStore::OpenResult DataStore::OpenExistingFile() {
  const OpenResult opened = OpenConnection(false);
  if (opened != OpenResult::Opened) return opened;

  SQLiteStatement check;
  const int code = PrepareAndStep(connection_, check, "PRAGMA quick_check");
  if (IsDamage(code)) return OpenResult::Damaged;
  if (code != SQLITE_ROW) return OpenResult::Failed;  // busy or unreadable: not proven damaged
  if (check.ColumnText(0) != L"ok") return OpenResult::Damaged;
  check.Finalize();

  // A file left empty or half made (a crash while it was created) gets its missing tables.
  return RunSchema() ? OpenResult::Opened : OpenResult::Failed;
}

bool DataStore::RunSchema() {
  bool all_succeeded = true;
  SQLiteAutoTransaction transaction(connection_);
  transaction.Begin();
  // A failing statement does not stop the ones after it.
  for (const char* statement : SchemaStatements()) {
    if (!Write(connection_, statement)) all_succeeded = false;
  }
  return transaction.Commit() && all_succeeded;
}

bool DataStore::CreateFile() {
  if (connection_.IsOpen()) return true;
  if (path_.empty()) return false;  // an empty name would open a temporary database
  if (OpenConnection(true) != OpenResult::Opened) {
    connection_.Close();
    return false;
  }
  return RunSchema();
}

void DataStore::CloseConnection() {
  connection_.Close();
  open_ = false;
}

bool DataStore::OpenStore(const std::filesystem::path& data_folder,
                          const std::wstring& model_name) {
  const std::filesystem::path file = StoreFile(data_folder, model_name);
  std::lock_guard guard(lock_);
  if (open_ && path_ == file.string()) return true;
  CloseConnection();
  set_aside_.clear();
  path_ = file.string();
  platform::EnsureFolder(file.parent_path());

  std::error_code error;
  if (std::filesystem::exists(file, error)) {
    const OpenResult result = OpenExistingFile();
    if (result == OpenResult::Opened) {
      open_ = true;
      return true;
    }
    connection_.Close();
    if (result == OpenResult::Failed) return false;
    // Running on with a damaged file would fail every call; keep it aside and start afresh.
    set_aside_ = SetAsideDamagedFile(file);
    if (set_aside_.empty()) return false;
  }
  open_ = CreateFile();
  if (!open_) connection_.Close();
  return open_;
}

bool DataStore::CreateStore() {
  std::lock_guard guard(lock_);
  if (connection_.IsOpen()) return true;
  open_ = CreateFile();
  if (!open_) connection_.Close();
  return open_;
}

void DataStore::Close() {
  std::lock_guard guard(lock_);
  CloseConnection();
}

bool DataStore::DeleteStoreFile(const std::filesystem::path& data_folder,
                                const std::wstring& model_name) {
  const std::filesystem::path file = StoreFile(data_folder, model_name);
  std::lock_guard guard(lock_);
  if (path_ == file.string()) CloseConnection();
  return RemoveStoreFiles(file);
}

bool DataStore::SeedConfig() {
  std::lock_guard guard(lock_);
  return InOneTransaction(connection_, [&] {
    for (const ConfigDefault& row : ConfigDefaults()) {
      if (!Write(connection_, "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);", 1,
                 std::wstring(row.key), std::wstring(row.value)))
        return false;
    }
    return true;
  });
}

bool DataStore::IsOpen() const {
  std::lock_guard guard(lock_);
  return open_;
}

std::filesystem::path DataStore::Path() const {
  std::lock_guard guard(lock_);
  return path_;
}

std::filesystem::path DataStore::SetAsideFile() const {
  std::lock_guard guard(lock_);
  return set_aside_;
}

void DataStore::SetDeviceId(int device_id) {
  std::lock_guard guard(lock_);
  device_id_ = device_id;
}

int DataStore::GetDeviceId() const {
  std::lock_guard guard(lock_);
  return device_id_;
}

// --- Profiles ---

int DataStore::AddProfile(const ProfileRecord& record) {
  std::lock_guard guard(lock_);
  return Insert(connection_,
                "INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);",
                record.name, 0, record.app, 0);
}

bool DataStore::DeleteProfile(int profile) {
  std::lock_guard guard(lock_);
  return Write(connection_, "DELETE FROM t_profile_data WHERE profile = ?", profile);
}

bool DataStore::RenameProfile(int profile, const std::wstring& name) {
  std::lock_guard guard(lock_);
  return Write(connection_, "UPDATE t_profile_data SET name = ? WHERE profile = ?", name, profile);
}

bool DataStore::GetProfileName(int profile, std::wstring& name) {
  name.clear();
  std::lock_guard guard(lock_);
  return ReadOne(
      connection_, name, [](const SQLiteStatement& row) { return row.ColumnText(0); },
      "SELECT name FROM t_profile_data WHERE profile = ?", profile);
}

int DataStore::GetAllProfiles(std::vector<ProfileRecord>& list) {
  std::lock_guard guard(lock_);
  return ReadList(connection_, list, ReadProfile, "SELECT * FROM t_profile_data");
}

bool DataStore::SetActiveProfile(int profile) {
  std::lock_guard guard(lock_);
  return InOneTransaction(connection_, [&] {
    return Write(connection_, "UPDATE t_profile_data SET status = ?", 0) &&
           Write(connection_, "UPDATE t_profile_data SET status = ? WHERE profile = ?", 1, profile);
  });
}

int DataStore::GetActiveProfile() {
  std::lock_guard guard(lock_);
  return ReadInt(connection_, "SELECT profile FROM t_profile_data WHERE status = ?", 1);
}

// --- Key assignments ---

int DataStore::SaveKeyAssignment(const KeyAssignment& record) {
  if (record.key_code == 0) return 0;
  std::lock_guard guard(lock_);
  int key_id = 0;
  const bool saved = InOneTransaction(connection_, [&] {
    if (!Write(connection_,
               "DELETE FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?",
               record.profile, record.fn_layer, record.key_code))
      return false;
    if (record.macro_type == 0 && record.macro_value == 0) return true;  // unassigned
    key_id = Insert(connection_,
                    "INSERT INTO t_key_macro_data(profile, fn_layer, key_code, layout_value, "
                    "layout_desc, macro_type, macro_value, macro_value2, macro_value3, "
                    "macro_desc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                    record.profile, record.fn_layer, record.key_code, record.layout_value,
                    record.layout_desc, record.macro_type, record.macro_value, record.macro_value2,
                    record.macro_value3, record.macro_desc);
    return key_id != 0;
  });
  return saved ? key_id : 0;
}

bool DataStore::GetKeyAssignment(int profile, int fn_layer, int key_code, KeyAssignment& record) {
  std::lock_guard guard(lock_);
  return ReadOne(
      connection_, record, ReadKeyAssignment,
      "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?", profile,
      fn_layer, key_code);
}

int DataStore::GetKeyAssignments(int profile, int fn_layer, std::vector<KeyAssignment>& list) {
  std::lock_guard guard(lock_);
  return ReadList(connection_, list, ReadKeyAssignment,
                  "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ?", profile,
                  fn_layer);
}

bool DataStore::DeleteProfileKeys(int profile) {
  std::lock_guard guard(lock_);
  return Write(connection_, "DELETE FROM t_key_macro_data WHERE profile = ?", profile);
}

// --- Macros ---

int DataStore::AddMacro(const std::wstring& name) {
  std::lock_guard guard(lock_);
  return Insert(connection_, kInsertMacro, 1, 1, 0, 0, 0, name);
}

int DataStore::AddMacroFull(const MacroInfo& info) {
  std::lock_guard guard(lock_);
  return Insert(connection_, kInsertMacro, info.play_times, info.delay_type, info.delay_time,
                info.link_count, info.loop_type, info.name);
}

bool DataStore::RenameMacro(int macro_id, const std::wstring& name) {
  std::lock_guard guard(lock_);
  return Write(connection_, "UPDATE t_macro_data SET name = ? WHERE macro_id = ?", name, macro_id);
}

bool DataStore::UpdateMacroSettings(const MacroInfo& info) {
  std::lock_guard guard(lock_);
  return Write(connection_,
               "UPDATE t_macro_data SET play_times = ?, delay_type = ?, delay_time = ?, "
               "loop_type = ? WHERE macro_id = ?",
               info.play_times, info.delay_type, info.delay_time, info.loop_type, info.macro_id);
}

bool DataStore::DeleteMacro(int macro_id) {
  std::lock_guard guard(lock_);
  return InOneTransaction(connection_, [&] {
    return Write(connection_, "DELETE FROM t_macro_data WHERE macro_id = ?", macro_id) &&
           Write(connection_, "DELETE FROM t_macrorecord WHERE macro_id = ?", macro_id) &&
           Write(connection_,
                 "DELETE FROM t_key_macro_data WHERE macro_type = ? and macro_value = ?",
                 kMacroAssignment, macro_id);
  });
}

bool DataStore::GetMacroPlayTimes(int macro_id, int& times) {
  std::lock_guard guard(lock_);
  return ReadOne(
      connection_, times, [](const SQLiteStatement& row) { return row.ColumnInt(0); },
      "SELECT play_times FROM t_macro_data WHERE macro_id = ?", macro_id);
}

bool DataStore::GetMacro(int macro_id, MacroInfo& info) {
  std::lock_guard guard(lock_);
  return ReadOne(connection_, info, ReadMacroInfo, "SELECT * FROM t_macro_data WHERE macro_id = ?",
                 macro_id);
}

int DataStore::GetAllMacros(std::vector<MacroInfo>& list) {
  std::lock_guard guard(lock_);
  return ReadList(connection_, list, ReadMacroInfo, "SELECT * FROM t_macro_data");
}

int DataStore::AddMacroItem(const MacroItem& item) {
  std::lock_guard guard(lock_);
  return Insert(connection_, kInsertMacroItem, item.macro_id, item.type, item.record_index,
                item.desc, item.value, item.delay_time);
}

int DataStore::AddMacroItems(const std::vector<MacroItem>& items) {
  std::lock_guard guard(lock_);
  SQLiteAutoTransaction transaction(connection_);
  if (!transaction.Begin()) return 0;
  int written = 0;
  for (const MacroItem& item : items) {
    if (Insert(connection_, kInsertMacroItem, item.macro_id, item.type, item.record_index,
               item.desc, item.value, item.delay_time) != 0)
      ++written;
  }
  return transaction.Commit() ? written : 0;
}

int DataStore::GetMacroItems(int macro_id, std::vector<MacroItem>& list) {
  std::lock_guard guard(lock_);
  return ReadList(connection_, list, ReadMacroItem, kSelectMacroItems, macro_id);
}

bool DataStore::DeleteMacroItems(int macro_id) {
  std::lock_guard guard(lock_);
  return Write(connection_, "DELETE FROM t_macrorecord WHERE macro_id = ?", macro_id);
}

int DataStore::CountMacroActions(int macro_id) {
  std::lock_guard guard(lock_);
  SQLiteStatement statement(connection_, kSelectMacroItems);
  statement.Bind(1, macro_id);
  int actions = 0;
  while (statement.Step() == SQLITE_ROW) {
    if (ReadMacroItem(statement).type != kDelayItem) ++actions;
  }
  return actions;
}

// --- Lighting ---

int DataStore::CountLights(int profile) {
  std::lock_guard guard(lock_);
  return ReadInt(connection_, "select count(*) FROM t_light_data WHERE profile = ?", profile);
}

int DataStore::AddLight(const LightRecord& record) {
  std::lock_guard guard(lock_);
  return Insert(connection_,
                "INSERT INTO t_light_data(profile, name, mode, brightness, speed, direction, "
                "colorful, colorindex, color_value, config_func, reserved, status) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                record.profile, record.name, record.mode, record.brightness, record.speed,
                record.direction, record.colorful, record.colorindex, record.color_value,
                record.config_func, record.reserved, record.status);
}

bool DataStore::UpdateLight(int profile, int mode, const LightRecord& record) {
  std::lock_guard guard(lock_);
  return Write(connection_,
               "UPDATE t_light_data SET brightness = ?, speed = ?, direction = ?, colorful = ?, "
               "colorindex = ?, color_value = ?, config_func = ?, reserved = ? "
               "WHERE profile = ? AND mode = ?",
               record.brightness, record.speed, record.direction, record.colorful,
               record.colorindex, record.color_value, record.config_func, record.reserved, profile,
               mode);
}

bool DataStore::SetActiveLight(int profile, int mode) {
  std::lock_guard guard(lock_);
  return InOneTransaction(connection_, [&] {
    return Write(connection_, "UPDATE t_light_data SET status = ?", 0) &&
           Write(connection_, "UPDATE t_light_data SET status = ? WHERE profile = ? and mode = ?",
                 1, profile, mode);
  });
}

int DataStore::GetActiveLightMode(int profile) {
  std::lock_guard guard(lock_);
  return ReadInt(connection_, "SELECT mode FROM t_light_data WHERE profile = ? and status = ?",
                 profile, 1);
}

bool DataStore::GetLight(int profile, int mode, LightRecord& record) {
  std::lock_guard guard(lock_);
  return ReadOne(connection_, record, ReadLight,
                 "SELECT * FROM t_light_data WHERE profile = ? AND mode = ?", profile, mode);
}

int DataStore::GetLights(int profile, std::vector<LightRecord>& list) {
  std::lock_guard guard(lock_);
  return ReadList(connection_, list, ReadLight, "SELECT * FROM t_light_data WHERE profile = ?",
                  profile);
}

int DataStore::AddKeyLights(const std::vector<KeyLightRecord>& rows) {
  std::lock_guard guard(lock_);
  SQLiteAutoTransaction transaction(connection_);
  if (!transaction.Begin()) return 0;
  int written = 0;
  for (const KeyLightRecord& row : rows) {
    if (Insert(connection_, kInsertKeyLight, row.profile, row.light_id, row.key_code,
               row.key_rgb) != 0)
      ++written;
  }
  return transaction.Commit() ? written : 0;
}

bool DataStore::DeleteKeyLights() {
  std::lock_guard guard(lock_);
  return Write(connection_, "DELETE FROM t_key_light_data WHERE light_id = ?", kCustomLightId);
}

int DataStore::GetKeyLights(int light_id, std::vector<KeyLightRecord>& list) {
  std::lock_guard guard(lock_);
  return ReadList(connection_, list, ReadKeyLight,
                  "SELECT * FROM t_key_light_data WHERE light_id = ?", light_id);
}

// --- Music-visualizer layers ---

int DataStore::CountMusicLayers() {
  std::lock_guard guard(lock_);
  return ReadInt(connection_, "select count(*) FROM t_musiclayer_data WHERE profile = ?",
                 kMusicProfile);
}

int DataStore::AddMusicLayer(const std::wstring& name, int foremode) {
  std::lock_guard guard(lock_);
  return Insert(connection_,
                "INSERT INTO t_musiclayer_data(profile, name, deviceindex, foremode, "
                "fore_amplitude, backmode, backb_right, sel) VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
                kMusicProfile, name, 0, foremode, 300, 0, 100, 0);
}

bool DataStore::GetMusicLayer(int layer_id, MusicLayerRecord& record) {
  std::lock_guard guard(lock_);
  return ReadOne(connection_, record, ReadMusicLayer,
                 "SELECT * FROM t_musiclayer_data WHERE layer_id = ?", layer_id);
}

bool DataStore::UpdateMusicLayer(const MusicLayerRecord& record) {
  std::lock_guard guard(lock_);
  return Write(connection_,
               "UPDATE t_musiclayer_data SET deviceindex = ?, foremode = ?, fore_amplitude = ?, "
               "backmode = ?, backb_right = ? WHERE layer_id = ?",
               record.deviceindex, record.foremode, record.fore_amplitude, record.backmode,
               record.backb_right, kMusicLayer);
}

bool DataStore::SelectMusicLayer() {
  std::lock_guard guard(lock_);
  return InOneTransaction(connection_, [&] {
    return Write(connection_, "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ?", 0,
                 kMusicProfile) &&
           Write(connection_,
                 "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ? AND layer_id = ?", 1,
                 kMusicProfile, kMusicLayer);
  });
}

int DataStore::GetSelectedMusicLayer() {
  std::lock_guard guard(lock_);
  return ReadInt(connection_,
                 "SELECT layer_id FROM t_musiclayer_data WHERE profile = ? AND sel = ?",
                 kMusicProfile, 1);
}

// --- Inspection ---

bool DataStore::CheckIntegrity(std::wstring& report) {
  report.clear();
  std::lock_guard guard(lock_);
  SQLiteStatement statement(connection_, "PRAGMA integrity_check");
  int rows = 0;
  int code;
  while ((code = statement.Step()) == SQLITE_ROW) {
    if (rows++ > 0) report += L"\n";
    report += statement.ColumnText(0);
  }
  if (code != SQLITE_DONE && rows == 0)
    report = L"integrity check failed (SQLite error " + std::to_wstring(code) + L")";
  return code == SQLITE_DONE && rows == 1 && report == L"ok";
}

std::vector<DataStore::TableRows> DataStore::CountTableRows() {
  std::vector<TableRows> counts;
  std::lock_guard guard(lock_);
  for (const char* table : SchemaTables()) {
    // The names are our own fixed table names, never outside text.
    const std::string sql = std::string("SELECT count(*) FROM ") + table;
    SQLiteStatement statement(connection_, sql.c_str());
    const bool counted = statement.Step() == SQLITE_ROW;
    counts.push_back({table, counted ? statement.ColumnInt(0) : -1});
  }
  return counts;
}

bool DataStore::GetConfigValue(const std::wstring& key, std::wstring& value) {
  value.clear();
  std::lock_guard guard(lock_);
  return ReadOne(
      connection_, value, [](const SQLiteStatement& row) { return row.ColumnText(1); },
      "SELECT key, value FROM t_configdata WHERE key = ? ORDER BY config_id", key);
}
