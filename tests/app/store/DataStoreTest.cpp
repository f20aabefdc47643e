#include "app/store/DataStore.h"

#include <gtest/gtest.h>

#include "tests/app/store/RawSqlite.h"
#include "tests/support/ScratchFolder.h"

namespace {

class DataStoreTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store_.OpenStore(scratch_.Path(), L"Test K1")); }

  std::filesystem::path File() const { return DataStore::StoreFile(scratch_.Path(), L"Test K1"); }

  static KeyAssignment Assignment(int profile, int fn_layer, int key_code, int macro_type,
                                  int macro_value) {
    KeyAssignment record;
    record.profile = profile;
    record.fn_layer = fn_layer;
    record.key_code = key_code;
    record.macro_type = macro_type;
    record.macro_value = macro_value;
    return record;
  }

  static LightRecord Light(int profile, int mode, int status) {
    LightRecord record;
    record.profile = profile;
    record.mode = mode;
    record.status = status;
    record.name = L"mode " + std::to_wstring(mode);
    return record;
  }

  ScratchFolder scratch_;
  DataStore store_;
};

TEST_F(DataStoreTest, FreshInstallationHasTheWholeSchemaAndTheDefaultRows) {
  EXPECT_EQ(File(), scratch_ / "db" / "Test K1_data_v1.db");
  ASSERT_TRUE(std::filesystem::is_regular_file(File()));
  ASSERT_TRUE(store_.SeedConfig());

  RawSqlite raw(File());
  ASSERT_TRUE(raw.IsOpen());
  EXPECT_EQ(raw.Rows("SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 't\\_%' "
                     "ESCAPE '\\' ORDER BY rowid"),
            (std::vector<std::string>{"t_configdata", "t_profile_data", "t_key_macro_data",
                                      "t_key_otherdata", "t_macro_data", "t_macrorecord",
                                      "t_light_data", "t_key_light_data", "t_musiclayer_data"}));
  EXPECT_EQ(raw.Rows("SELECT name || ':' || tbl_name FROM sqlite_master WHERE type = 'index' AND "
                     "sql IS NOT NULL ORDER BY rowid"),
            (std::vector<std::string>{"profileindex:t_profile_data", "keyindex:t_key_macro_data",
                                      "otheridindex:t_key_otherdata", "macroidindex:t_macro_data",
                                      "macrorecordindex:t_macrorecord", "lightindex:t_light_data",
                                      "keylightindex:t_key_light_data",
                                      "musiclayerindex:t_musiclayer_data"}));
  // Column order is what "SELECT *" readers rely on.
  EXPECT_EQ(raw.Rows("SELECT name FROM pragma_table_info('t_profile_data')"),
            (std::vector<std::string>{"profile", "name", "status", "app", "type"}));

  EXPECT_EQ(raw.Rows("SELECT profile, key, value FROM t_configdata ORDER BY config_id"),
            (std::vector<std::string>{"1|version|1.0.1", "1|keyboard_layout|1", "1|fn_layer|0",
                                      "1|lightmode|1", "1|sleep_light|1", "1|userlight|0",
                                      "1|customlight_run|0", "1|gamemode|0", "1|disable_alttab|0",
                                      "1|disable_altf4|0", "1|disable_win|0"}));
  EXPECT_EQ(raw.Text("PRAGMA journal_mode"), "wal");

  std::wstring version;
  EXPECT_TRUE(store_.GetConfigValue(L"version", version));
  EXPECT_EQ(version, L"1.0.1");
  std::wstring report;
  EXPECT_TRUE(store_.CheckIntegrity(report));
  EXPECT_EQ(report, L"ok");
}

TEST_F(DataStoreTest, ProfilesKeepTheirNamesAndOneActiveProfile) {
  ProfileRecord record;
  record.name = L"配置方案 1";
  record.app = L"game.exe";
  record.status = 1;  // new profiles always start inactive and with type 0
  record.type = 7;
  EXPECT_EQ(store_.AddProfile(record), 1);
  record.name = L"Profile 2";
  EXPECT_EQ(store_.AddProfile(record), 2);
  record.name = L"Profile 3";
  EXPECT_EQ(store_.AddProfile(record), 3);

  std::vector<ProfileRecord> list(5);  // whatever the list held before is replaced
  ASSERT_EQ(store_.GetAllProfiles(list), 3);
  EXPECT_EQ(list[0].name, L"配置方案 1");
  EXPECT_EQ(list[0].app, L"game.exe");
  EXPECT_EQ(list[0].status, 0);
  EXPECT_EQ(list[0].type, 0);
  // Text is stored as UTF-8, readable by any tool.
  EXPECT_EQ(RawSqlite(File()).Text("SELECT hex(name) FROM t_profile_data WHERE profile = 1"),
            "E9858DE7BDAEE696B9E6A1882031");

  EXPECT_EQ(store_.GetActiveProfile(), 0);
  EXPECT_TRUE(store_.SetActiveProfile(2));
  EXPECT_TRUE(store_.SetActiveProfile(3));
  EXPECT_EQ(store_.GetActiveProfile(), 3);
  store_.GetAllProfiles(list);
  EXPECT_EQ(list[1].status, 0);
  EXPECT_EQ(list[2].status, 1);

  EXPECT_TRUE(store_.RenameProfile(3, L"Work"));
  std::wstring name = L"stale";
  EXPECT_TRUE(store_.GetProfileName(3, name));
  EXPECT_EQ(name, L"Work");
  EXPECT_TRUE(store_.DeleteProfile(3));
  EXPECT_FALSE(store_.GetProfileName(3, name));
  EXPECT_EQ(name, L"");
  EXPECT_EQ(store_.GetActiveProfile(), 0);
}

struct SaveCase {
  const char* label;
  int key_code;
  int macro_type;
  int macro_value;
  bool makes_row;           // a new key_id comes back
  int rows_of_key_4;        // assignments of key 4 afterwards
  int macro_type_of_key_4;  // what key 4 does afterwards
};

TEST_F(DataStoreTest, SaveKeyAssignmentReplacesDeletesOrIgnores) {
  const SaveCase cases[] = {
      {"new function replaces the old one", 4, 2, 0xE9, true, 1, 2},
      {"type 0 with a value still counts", 4, 0, 5, true, 1, 0},
      {"type and value 0 only delete", 4, 0, 0, false, 0, -1},
      {"key code 0 does nothing", 0, 0, 0, false, 1, 1},
      {"key code 0 with a function does nothing", 0, 3, 9, false, 1, 1},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    store_.DeleteProfileKeys(1);
    const int old_id = store_.SaveKeyAssignment(Assignment(1, 0, 4, 1, 0x05));
    ASSERT_GT(old_id, 0);
    // The same key on another layer and in another profile is never touched.
    ASSERT_GT(store_.SaveKeyAssignment(Assignment(1, 1, 4, 1, 0x06)), 0);
    ASSERT_GT(store_.SaveKeyAssignment(Assignment(2, 0, 4, 1, 0x07)), 0);

    const int id = store_.SaveKeyAssignment(
        Assignment(1, 0, test.key_code, test.macro_type, test.macro_value));
    if (test.makes_row) {
      EXPECT_GT(id, old_id);
    } else {
      EXPECT_EQ(id, 0);
    }

    std::vector<KeyAssignment> list;
    int rows = 0;
    store_.GetKeyAssignments(1, 0, list);
    for (const auto& row : list)
      rows += row.key_code == 4;
    EXPECT_EQ(rows, test.rows_of_key_4);
    KeyAssignment stored;
    const bool found = store_.GetKeyAssignment(1, 0, 4, stored);
    EXPECT_EQ(found ? stored.macro_type : -1, test.macro_type_of_key_4);
    EXPECT_EQ(store_.GetKeyAssignments(1, 1, list), 1);
    store_.DeleteProfileKeys(2);
  }
}

TEST_F(DataStoreTest, KeyAssignmentKeepsEveryField) {
  KeyAssignment record = Assignment(2, 1, 0x3A, 4, 12);
  record.layout_value = 58;
  record.layout_desc = L"F1";
  record.macro_value2 = -3;
  record.macro_value3 = 0x7FFFFFFF;
  record.macro_desc = L"Ctrl+Ä";
  record.key_id = store_.SaveKeyAssignment(record);
  ASSERT_GT(record.key_id, 0);
  KeyAssignment stored;
  ASSERT_TRUE(store_.GetKeyAssignment(2, 1, 0x3A, stored));
  EXPECT_EQ(stored.key_id, record.key_id);
  EXPECT_EQ(stored.layout_value, 58);
  EXPECT_EQ(stored.layout_desc, L"F1");
  EXPECT_EQ(stored.macro_type, 4);
  EXPECT_EQ(stored.macro_value, 12);
  EXPECT_EQ(stored.macro_value2, -3);
  EXPECT_EQ(stored.macro_value3, 0x7FFFFFFF);
  EXPECT_EQ(stored.macro_desc, L"Ctrl+Ä");
}

TEST_F(DataStoreTest, FailedSaveKeepsTheOldAssignment) {
  ASSERT_GT(store_.SaveKeyAssignment(Assignment(1, 0, 4, 1, 0x05)), 0);
  {
    // Something outside makes the insert fail after the delete has run.
    RawSqlite raw(File());
    ASSERT_TRUE(raw.Execute(
        "CREATE TRIGGER refuse BEFORE INSERT ON t_key_macro_data WHEN NEW.macro_desc = 'refuse' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
  }
  KeyAssignment refused = Assignment(1, 0, 4, 2, 0xE9);
  refused.macro_desc = L"refuse";
  EXPECT_EQ(store_.SaveKeyAssignment(refused), 0);
  KeyAssignment stored;
  ASSERT_TRUE(store_.GetKeyAssignment(1, 0, 4, stored));
  EXPECT_EQ(stored.macro_value, 0x05);
  // The connection is not left inside a transaction: later writes are committed.
  EXPECT_GT(store_.SaveKeyAssignment(Assignment(1, 0, 5, 1, 0x06)), 0);
  EXPECT_EQ(RawSqlite(File()).Int("SELECT count(*) FROM t_key_macro_data"), 2);
}

TEST_F(DataStoreTest, DeleteMacroReachesEveryProfileAndLayer) {
  const int doomed = store_.AddMacro(L"doomed");
  const int kept = store_.AddMacro(L"kept");
  ASSERT_GT(doomed, 0);
  ASSERT_GT(kept, 0);
  for (int item = 0; item < 3; ++item) {
    store_.AddMacroItem({0, doomed, 2, item, L"A", 4, 10});
    store_.AddMacroItem({0, kept, 2, item, L"B", 5, 10});
  }
  for (int profile : {1, 2, 3}) {
    for (int layer : {0, 1}) {
      store_.SaveKeyAssignment(Assignment(profile, layer, 10, 3, doomed));
      store_.SaveKeyAssignment(Assignment(profile, layer, 11, 3, kept));
    }
  }
  // Not a macro assignment, though its value equals the macro's id.
  store_.SaveKeyAssignment(Assignment(1, 0, 12, 2, doomed));

  EXPECT_TRUE(store_.DeleteMacro(doomed));

  MacroInfo info;
  EXPECT_FALSE(store_.GetMacro(doomed, info));
  EXPECT_TRUE(store_.GetMacro(kept, info));
  std::vector<MacroItem> items;
  EXPECT_EQ(store_.GetMacroItems(doomed, items), 0);
  EXPECT_EQ(store_.GetMacroItems(kept, items), 3);
  RawSqlite raw(File());
  EXPECT_EQ(raw.Int("SELECT count(*) FROM t_key_macro_data WHERE key_code = 10"), 0);
  EXPECT_EQ(raw.Int("SELECT count(*) FROM t_key_macro_data WHERE key_code = 11"), 6);
  EXPECT_EQ(raw.Int("SELECT count(*) FROM t_key_macro_data WHERE key_code = 12"), 1);
}

TEST_F(DataStoreTest, MacrosAndTheirItems) {
  const int id = store_.AddMacro(L"Combo");
  MacroInfo info;
  ASSERT_TRUE(store_.GetMacro(id, info));
  EXPECT_EQ(info.play_times, 1);
  EXPECT_EQ(info.delay_type, 1);
  EXPECT_EQ(info.delay_time, 0);
  EXPECT_EQ(info.link_count, 0);
  EXPECT_EQ(info.loop_type, 0);
  EXPECT_EQ(info.name, L"Combo");

  info.play_times = 5;
  info.delay_type = 2;
  info.delay_time = 30;
  info.loop_type = 1;
  info.link_count = 9;  // not a setting: stays as stored
  EXPECT_TRUE(store_.UpdateMacroSettings(info));
  EXPECT_TRUE(store_.RenameMacro(id, L"Combo 2"));
  int times = 0;
  EXPECT_TRUE(store_.GetMacroPlayTimes(id, times));
  EXPECT_EQ(times, 5);
  MacroInfo stored;
  store_.GetMacro(id, stored);
  EXPECT_EQ(stored.delay_time, 30);
  EXPECT_EQ(stored.link_count, 0);
  EXPECT_EQ(stored.name, L"Combo 2");

  MacroInfo full = info;
  full.link_count = 2;
  full.name = L"Imported";
  const int imported = store_.AddMacroFull(full);
  EXPECT_EQ(imported, id + 1);
  std::vector<MacroInfo> macros;
  EXPECT_EQ(store_.GetAllMacros(macros), 2);
  EXPECT_EQ(macros[1].link_count, 2);

  // Items come back in record_index order whatever order they were written in; delays (type 1)
  // are not actions.
  std::vector<MacroItem> items;
  for (int index : {3, 0, 2, 1, 4}) {
    items.push_back(
        {0, id, index % 2 == 1 ? 1 : 2, index, L"k" + std::to_wstring(index), index, index * 10});
  }
  EXPECT_EQ(store_.AddMacroItems(items), 5);
  std::vector<MacroItem> read;
  ASSERT_EQ(store_.GetMacroItems(id, read), 5);
  for (int index = 0; index < 5; ++index) {
    EXPECT_EQ(read[index].record_index, index);
    EXPECT_EQ(read[index].desc, L"k" + std::to_wstring(index));
    EXPECT_EQ(read[index].delay_time, index * 10);
  }
  EXPECT_EQ(store_.CountMacroActions(id), 3);
  EXPECT_EQ(store_.CountMacroActions(imported), 0);
  EXPECT_TRUE(store_.DeleteMacroItems(id));
  EXPECT_EQ(store_.GetMacroItems(id, read), 0);
  EXPECT_TRUE(read.empty());
}

TEST_F(DataStoreTest, SetActiveLightClearsEveryProfile) {
  store_.AddLight(Light(1, 1, 0));
  store_.AddLight(Light(1, 5, 0));
  store_.AddLight(Light(2, 3, 1));
  store_.AddLight(Light(3, 5, 1));
  EXPECT_EQ(store_.CountLights(1), 2);
  EXPECT_EQ(store_.GetActiveLightMode(2), 3);

  EXPECT_TRUE(store_.SetActiveLight(1, 5));
  EXPECT_EQ(store_.GetActiveLightMode(1), 5);
  EXPECT_EQ(store_.GetActiveLightMode(2), 0);
  EXPECT_EQ(store_.GetActiveLightMode(3), 0);
  EXPECT_EQ(RawSqlite(File()).Int("SELECT count(*) FROM t_light_data WHERE status = 1"), 1);
}

TEST_F(DataStoreTest, LightRowsKeepEveryField) {
  LightRecord record = Light(2, 4, 0);
  record.brightness = 3;
  record.speed = 2;
  record.direction = 1;
  record.colorful = 1;
  record.colorindex = 6;
  record.color_value = 0x00FF8040;
  record.config_func = 0x301;
  record.reserved = 8;
  const int id = store_.AddLight(record);
  ASSERT_GT(id, 0);

  record.brightness = 4;
  record.color_value = 0x000000FF;
  record.status = 1;  // UpdateLight leaves the status alone
  EXPECT_TRUE(store_.UpdateLight(2, 4, record));
  LightRecord stored;
  ASSERT_TRUE(store_.GetLight(2, 4, stored));
  EXPECT_EQ(stored.light_id, id);
  EXPECT_EQ(stored.name, L"mode 4");
  EXPECT_EQ(stored.brightness, 4);
  EXPECT_EQ(stored.speed, 2);
  EXPECT_EQ(stored.color_value, 0x000000FF);
  EXPECT_EQ(stored.config_func, 0x301);
  EXPECT_EQ(stored.reserved, 8);
  EXPECT_EQ(stored.status, 0);
  EXPECT_FALSE(store_.GetLight(2, 9, stored));
  std::vector<LightRecord> list;
  EXPECT_EQ(store_.GetLights(2, list), 1);
}

TEST_F(DataStoreTest, PerKeyColoursOfTheCustomMode) {
  std::vector<KeyLightRecord> rows;
  for (int key = 0; key < 110; ++key)
    rows.push_back({0, 1, 128, 4 + key, key * 0x010101});
  EXPECT_EQ(store_.AddKeyLights(rows), 110);
  EXPECT_EQ(store_.AddKeyLights({{0, 1, 129, 4, 0xFF}}), 1);  // a slot of another mode

  std::vector<KeyLightRecord> read;
  ASSERT_EQ(store_.GetKeyLights(128, read), 110);
  EXPECT_EQ(read[109].key_code, 113);
  EXPECT_EQ(read[109].key_rgb, 109 * 0x010101);
  EXPECT_TRUE(store_.DeleteKeyLights());
  EXPECT_EQ(store_.GetKeyLights(128, read), 0);
  EXPECT_EQ(store_.GetKeyLights(129, read), 1);
}

TEST_F(DataStoreTest, MusicLayersAreOneSetUnderProfileOne) {
  EXPECT_EQ(store_.CountMusicLayers(), 0);
  EXPECT_EQ(store_.GetSelectedMusicLayer(), 0);
  ASSERT_EQ(store_.AddMusicLayer(L"Music", 17), 1);
  MusicLayerRecord layer;
  ASSERT_TRUE(store_.GetMusicLayer(1, layer));
  EXPECT_EQ(layer.profile, 1);
  EXPECT_EQ(layer.name, L"Music");
  EXPECT_EQ(layer.deviceindex, 0);
  EXPECT_EQ(layer.foremode, 17);
  EXPECT_EQ(layer.fore_amplitude, 300);
  EXPECT_EQ(layer.backmode, 0);
  EXPECT_EQ(layer.backb_right, 100);
  EXPECT_EQ(layer.sel, 0);

  EXPECT_TRUE(store_.SelectMusicLayer());
  EXPECT_EQ(store_.GetSelectedMusicLayer(), 1);
  layer.fore_amplitude = 250;
  layer.backmode = 2;
  layer.backb_right = 40;
  EXPECT_TRUE(store_.UpdateMusicLayer(layer));
  MusicLayerRecord stored;
  store_.GetMusicLayer(1, stored);
  EXPECT_EQ(stored.fore_amplitude, 250);
  EXPECT_EQ(stored.backmode, 2);
  EXPECT_EQ(stored.backb_right, 40);
  EXPECT_EQ(store_.CountMusicLayers(), 1);
}

TEST(DataStoreClosedTest, EveryCallFailsQuietly) {
  DataStore store;  // never opened
  EXPECT_FALSE(store.IsOpen());
  EXPECT_FALSE(store.CreateStore());  // no file was ever named
  EXPECT_FALSE(store.SeedConfig());
  EXPECT_EQ(store.AddProfile({}), 0);
  EXPECT_FALSE(store.RenameProfile(1, L"x"));
  EXPECT_FALSE(store.SetActiveProfile(1));
  EXPECT_EQ(store.GetActiveProfile(), 0);
  std::vector<ProfileRecord> profiles(2);
  EXPECT_EQ(store.GetAllProfiles(profiles), 0);
  EXPECT_TRUE(profiles.empty());
  KeyAssignment key;
  key.key_code = 4;
  key.macro_type = 1;
  EXPECT_EQ(store.SaveKeyAssignment(key), 0);
  EXPECT_FALSE(store.GetKeyAssignment(1, 0, 4, key));
  EXPECT_FALSE(store.DeleteMacro(1));
  EXPECT_EQ(store.AddMacroItems({MacroItem{}, MacroItem{}}), 0);
  EXPECT_EQ(store.AddKeyLights({KeyLightRecord{}, KeyLightRecord{}}), 0);
  EXPECT_FALSE(store.SetActiveLight(1, 1));
  EXPECT_EQ(store.CountLights(1), 0);
  int times = 42;
  EXPECT_FALSE(store.GetMacroPlayTimes(1, times));
  std::wstring report;
  EXPECT_FALSE(store.CheckIntegrity(report));
  for (const auto& table : store.CountTableRows())
    EXPECT_EQ(table.rows, -1) << table.table;
}

}  // namespace
