// Where the database lives and what happens to it over its life: creation, switching models,
// factory reset and damaged files.
#include <gtest/gtest.h>

#include <fstream>

#include "app/store/DataStore.h"
#include "tests/app/store/RawSqlite.h"
#include "tests/support/ScratchFolder.h"

namespace {

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files.push_back(entry.path().filename());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(StoreFileTest, ModelNameCannotLeaveTheDatabaseFolder) {
  EXPECT_EQ(DataStore::StoreFile("/data", L"Keyvane K104"), "/data/db/Keyvane K104_data_v1.db");
  EXPECT_EQ(DataStore::StoreFile("/data", L"../x").parent_path(), "/data/db");
  EXPECT_EQ(DataStore::StoreFile("/data", L"a/b").parent_path(), "/data/db");
}

TEST(StoreFileTest, EachModelHasItsOwnFile) {
  ScratchFolder scratch;
  DataStore store;
  ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
  EXPECT_EQ(store.AddMacro(L"on K1"), 1);
  ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K2"));  // switching closes the first file
  EXPECT_EQ(store.Path(), DataStore::StoreFile(scratch.Path(), L"K2"));
  std::vector<MacroInfo> macros;
  EXPECT_EQ(store.GetAllMacros(macros), 0);
  ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
  EXPECT_EQ(store.GetAllMacros(macros), 1);
  EXPECT_TRUE(store.OpenStore(scratch.Path(), L"K1"));  // already open: nothing changes
  EXPECT_EQ(store.GetAllMacros(macros), 1);

  store.Close();
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.AddMacro(L"closed"), 0);
}

TEST(StoreFileTest, FactoryResetStartsIdsAgainAtOne) {
  ScratchFolder scratch;
  DataStore store;
  ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
  for (int i = 0; i < 3; ++i)
    store.AddProfile({0, L"Profile", L"", 0, 0});
  EXPECT_EQ(store.AddMacro(L"m"), 1);
  EXPECT_EQ(store.AddMacro(L"m"), 2);
  // Deleting rows does not reuse their ids: only a new file does.
  EXPECT_TRUE(store.DeleteProfile(3));
  EXPECT_EQ(store.AddProfile({0, L"Profile", L"", 0, 0}), 4);

  // The reset deletes the file of an open store; a log left beside it would be replayed into
  // the new file, so it goes too.
  WriteTestFile(std::filesystem::path(store.Path().string() + "-wal"), "stale");
  EXPECT_TRUE(store.DeleteStoreFile(scratch.Path(), L"K1"));
  EXPECT_FALSE(store.IsOpen());
  EXPECT_TRUE(FilesIn(scratch / "db").empty());

  ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
  EXPECT_EQ(store.AddProfile({0, L"Profile", L"", 0, 0}), 1);
  EXPECT_EQ(store.AddMacro(L"m"), 1);
  std::wstring report;
  EXPECT_TRUE(store.CheckIntegrity(report));
}

TEST(StoreFileTest, HalfMadeFileGetsItsMissingTables) {
  ScratchFolder scratch;
  const auto file = DataStore::StoreFile(scratch.Path(), L"K1");
  WriteTestFile(file, "");  // a crash right after the file was made leaves it empty
  DataStore store;
  ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
  EXPECT_TRUE(store.SetAsideFile().empty());
  EXPECT_EQ(store.AddMacro(L"m"), 1);
  for (const auto& table : store.CountTableRows())
    EXPECT_GE(table.rows, 0) << table.table;
}

struct DamageCase {
  const char* label;
  void (*damage)(const std::filesystem::path& file);
};

void ReplaceWithText(const std::filesystem::path& file) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << std::string(5000, 'x');
}

void ScribbleOverPages(const std::filesystem::path& file) {
  std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
  stream.seekp(4096 * 2);
  const std::string junk(4096 * 3, '\xA5');
  stream.write(junk.data(), static_cast<std::streamsize>(junk.size()));
}

void BreakTheHeader(const std::filesystem::path& file) {
  std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
  stream.write("Not a database!!", 16);
}

TEST(StoreFileTest, DamagedFileIsKeptAsideAndReplaced) {
  const DamageCase cases[] = {
      {"text file", ReplaceWithText},
      {"pages overwritten", ScribbleOverPages},
      {"header overwritten", BreakTheHeader},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    ScratchFolder scratch;
    const auto file = DataStore::StoreFile(scratch.Path(), L"K1");
    {
      DataStore store;
      ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
      std::vector<MacroItem> items;
      for (int i = 0; i < 600; ++i)
        items.push_back(
            {0, 1, 2, i, L"a fairly long description of item " + std::to_wstring(i), i, 10});
      ASSERT_EQ(store.AddMacroItems(items), 600);
    }
    test.damage(file);

    DataStore store;
    ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
    const auto aside = store.SetAsideFile();
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(aside.parent_path(), file.parent_path());
    EXPECT_EQ(aside.filename().string().rfind("K1_data_v1.db.corrupt-", 0), 0u) << aside;
    EXPECT_TRUE(std::filesystem::exists(aside));
    // The new file works and is empty.
    std::vector<MacroItem> items;
    EXPECT_EQ(store.GetMacroItems(1, items), 0);
    EXPECT_EQ(store.AddMacro(L"fresh"), 1);
    std::wstring report;
    EXPECT_TRUE(store.CheckIntegrity(report));
  }
}

TEST(StoreFileTest, SecondDamagedFileDoesNotOverwriteTheFirst) {
  ScratchFolder scratch;
  const auto file = DataStore::StoreFile(scratch.Path(), L"K1");
  DataStore store;
  for (int round = 0; round < 2; ++round) {
    store.Close();
    WriteTestFile(file, std::string(3000, 'x') + std::to_string(round));
    ASSERT_TRUE(store.OpenStore(scratch.Path(), L"K1"));
  }
  int kept = 0;
  for (const auto& name : FilesIn(scratch / "db"))
    kept += name.string().find(".corrupt-") != std::string::npos;
  EXPECT_EQ(kept, 2) << testing::PrintToString(FilesIn(scratch / "db"));
}

TEST(StoreFileTest, UnopenableFileIsNotTakenForDamage) {
  ScratchFolder scratch;
  const auto file = DataStore::StoreFile(scratch.Path(), L"K1");
  std::filesystem::create_directories(file);  // a folder where the file should be
  DataStore store;
  EXPECT_FALSE(store.OpenStore(scratch.Path(), L"K1"));
  EXPECT_TRUE(store.SetAsideFile().empty());
  EXPECT_TRUE(std::filesystem::is_directory(file));
  EXPECT_EQ(store.AddMacro(L"m"), 0);
}

}  // namespace
