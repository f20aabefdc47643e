#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "app/store/SQLiteDB.h"
#include "app/store/StoreRecords.h"

// The configuration database of one keyboard model: <data folder>/db/<model name>_data_v1.db, a
// plain SQLite 3 file. One store serves the whole process (Instance()); every operation holds the
// store's lock from its first statement to its last, so a sequence of statements (delete then
// insert, clear then set, a transaction and its inserts) is never interleaved with another
// thread's. Multi-statement writes run in one transaction, so a crash leaves all or none of them.
//
// Failures are results, never exceptions: while the store is closed or when a statement fails,
// reads give no rows (false, 0, an empty list), inserts give id 0 and writes give false.
class DataStore {
 public:
  // How commits reach the disk. WriteAheadLog (write-ahead log, synchronous NORMAL) survives a
  // crash or power loss with at most the last transaction lost. NoSync (rollback journal,
  // synchronous OFF) may corrupt the file on power loss; it is kept only to measure against.
  enum class Durability { WriteAheadLog, NoSync };

  struct TableRows {
    std::string table;
    int rows = -1;  // -1 when the table could not be counted
  };

  explicit DataStore(Durability durability = Durability::WriteAheadLog);
  ~DataStore();
  DataStore(const DataStore&) = delete;
  DataStore& operator=(const DataStore&) = delete;

  // The process's store, made on first use and closed at exit.
  static DataStore& Instance();

  // <data folder>/db/<model name>_data_v1.db
  static std::filesystem::path StoreFile(const std::filesystem::path& data_folder,
                                         const std::wstring& model_name);

  // --- Connection ---

  // Opens the model's database, creating the file (and its db folder) when missing. A file that
  // is damaged or not a database is set aside (see SetAsideFile) and a fresh one made in its
  // place. An open store of another file is closed first. True when the store is open.
  bool OpenStore(const std::filesystem::path& data_folder, const std::wstring& model_name);
  // Creates the file at the path given to the last OpenStore with every table and index.
  // True only if the open and every statement succeeded; true at once when already open.
  bool CreateStore();
  void Close();
  // Deletes the model's database file with its log; an open store of that file is closed first.
  bool DeleteStoreFile(const std::filesystem::path& data_folder, const std::wstring& model_name);
  // Writes the default configuration rows (all with profile 1) in one transaction.
  bool SeedConfig();

  bool IsOpen() const;
  std::filesystem::path Path() const;
  // Where the last OpenStore moved a damaged file; empty when it found none.
  std::filesystem::path SetAsideFile() const;
  void SetDeviceId(int device_id);
  int GetDeviceId() const;

  // --- Profiles ---
  int AddProfile(const ProfileRecord& record);
  bool DeleteProfile(int profile);
  bool RenameProfile(int profile, const std::wstring& name);
  bool GetProfileName(int profile, std::wstring& name);
  int GetAllProfiles(std::vector<ProfileRecord>& list);
  bool SetActiveProfile(int profile);
  int GetActiveProfile();

  // --- Key assignments ---
  // Replaces the key's assignment in one transaction. Macro type and value both 0 only delete
  // (result 0); key_code 0 does nothing (result 0). Otherwise the new key_id, or 0 on failure,
  // in which case the old assignment stays.
  int SaveKeyAssignment(const KeyAssignment& record);
  bool GetKeyAssignment(int profile, int fn_layer, int key_code, KeyAssignment& record);
  int GetKeyAssignments(int profile, int fn_layer, std::vector<KeyAssignment>& list);
  bool DeleteProfileKeys(int profile);

  // --- Macros ---
  int AddMacro(const std::wstring& name);
  int AddMacroFull(const MacroInfo& info);
  bool RenameMacro(int macro_id, const std::wstring& name);
  bool UpdateMacroSettings(const MacroInfo& info);
  // Removes the macro, its items and every key assignment that plays it, in every profile and
  // layer, in one transaction.
  bool DeleteMacro(int macro_id);
  bool GetMacroPlayTimes(int macro_id, int& times);
  bool GetMacro(int macro_id, MacroInfo& info);
  int GetAllMacros(std::vector<MacroInfo>& list);
  int AddMacroItem(const MacroItem& item);
  // Writes the items in list order in one transaction; a failing row does not stop the others.
  // Returns the number of rows written (0 when the transaction could not commit).
  int AddMacroItems(const std::vector<MacroItem>& items);
  int GetMacroItems(int macro_id, std::vector<MacroItem>& list);
  bool DeleteMacroItems(int macro_id);
  // Items that are actions rather than delays (type other than 1).
  int CountMacroActions(int macro_id);

  // --- Lighting ---
  int CountLights(int profile);
  int AddLight(const LightRecord& record);
  bool UpdateLight(int profile, int mode, const LightRecord& record);
  // Clears the status of every profile's light rows, then marks the given one, in one transaction.
  bool SetActiveLight(int profile, int mode);
  int GetActiveLightMode(int profile);
  bool GetLight(int profile, int mode, LightRecord& record);
  int GetLights(int profile, std::vector<LightRecord>& list);
  // Writes the rows in one transaction. Returns the number of rows written (0 when the
  // transaction could not commit).
  int AddKeyLights(const std::vector<KeyLightRecord>& rows);
  // Removes the per-key colours of the custom light mode (light_id 128).
  bool DeleteKeyLights();
  int GetKeyLights(int light_id, std::vector<KeyLightRecord>& list);

  // --- Music-visualizer layers (one set for the whole database, kept under profile 1) ---
  int CountMusicLayers();
  int AddMusicLayer(const std::wstring& name, int foremode);
  bool GetMusicLayer(int layer_id, MusicLayerRecord& record);
  // Stores the record's settings in layer 1, the layer the visualizer uses.
  bool UpdateMusicLayer(const MusicLayerRecord& record);
  // Makes layer 1 the selected one.
  bool SelectMusicLayer();
  int GetSelectedMusicLayer();

  // --- Inspection (keyvanectl db) ---
  // "PRAGMA integrity_check": true when the file is sound; `report` holds what SQLite said.
  bool CheckIntegrity(std::wstring& report);
  std::vector<TableRows> CountTableRows();
  // A value of t_configdata ("version" holds the schema version); false when there is none.
  bool GetConfigValue(const std::wstring& key, std::wstring& value);

 private:
  enum class OpenResult { Opened, Damaged, Failed };

  OpenResult OpenConnection(bool create);
  OpenResult OpenExistingFile();
  bool CreateFile();
  bool RunSchema();
  void CloseConnection();

  const Durability durability_;
  SQLiteDB connection_;
  mutable std::mutex lock_;
  std::string path_;  // UTF-8
  int device_id_ = 0;
  bool open_ = false;
  std::filesystem::path set_aside_;
};
