#include <gtest/gtest.h>

#include <fstream>

#include "platform/Backend.h"
#include "platform/Settings.h"
#include "platform/fake/FakeFolders.h"
#include "tests/support/ScratchFolder.h"

namespace {

using platform::Settings;

class FileSettingsTest : public testing::Test {
 protected:
  FileSettingsTest() : folders_(std::make_shared<platform::FakeFolders>(scratch_.Path())) {}

  // A fresh store object each time, so nothing can come from memory rather than the files.
  std::shared_ptr<Settings> Store() { return platform::MakeRealBackend<Settings>(); }

  std::filesystem::path SettingsRoot() { return scratch_ / "config" / "keyvane" / "settings"; }

  ScratchFolder scratch_;
  platform::ScopedBackend<platform::Folders> folders_;
};

TEST_F(FileSettingsTest, MissingKeyIsCreatedThenOpened) {
  EXPECT_FALSE(Store()->KeyExists(L"SOFTWARE\\Keyvane"));
  EXPECT_EQ(Store()->OpenKey(L"SOFTWARE\\Keyvane"), Settings::KeyStatus::Created);
  EXPECT_EQ(Store()->OpenKey(L"SOFTWARE\\Keyvane"), Settings::KeyStatus::Opened);
  EXPECT_TRUE(Store()->KeyExists(L"SOFTWARE\\Keyvane"));
  EXPECT_FALSE(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"LCID").has_value());
}

TEST_F(FileSettingsTest, ValuesSurviveAndKeepEveryCharacter) {
  const std::vector<std::pair<std::wstring, std::wstring>> values = {
      {L"LCID", L"2052"},       {L"exit_mode", L"1"},
      {L"a=b", L"x=y\\z"},      {L"lines", L"one\ntwo\r\nthree"},
      {L"中文", L"配置方案 2"}, {L"empty", L""},
  };
  for (const auto& [name, value] : values) {
    ASSERT_TRUE(Store()->WriteValue(L"SOFTWARE\\Keyvane", name, value));
  }
  for (const auto& [name, value] : values) {
    const auto read = Store()->ReadValue(L"SOFTWARE\\Keyvane", name);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, value);
  }
  // Names ignore case, and writing again replaces rather than adds.
  ASSERT_TRUE(Store()->WriteValue(L"SOFTWARE\\Keyvane", L"lcid", L"1033"));
  EXPECT_EQ(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"LCID"), L"1033");
  ASSERT_TRUE(Store()->DeleteValue(L"SOFTWARE\\Keyvane", L"Lcid"));
  EXPECT_FALSE(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"LCID").has_value());
  EXPECT_EQ(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"exit_mode"), L"1");
  EXPECT_TRUE(Store()->DeleteValue(L"SOFTWARE\\Keyvane", L"never-there"));
}

TEST_F(FileSettingsTest, DamagedFileKeepsWhatCanBeRead) {
  ASSERT_EQ(Store()->OpenKey(L"SOFTWARE\\Keyvane"), Settings::KeyStatus::Created);
  {
    std::ofstream out(SettingsRoot() / "SOFTWARE" / "Keyvane" / "values", std::ios::binary);
    const char damaged[] =
        "garbage without separator\n\xFF\xFE\x00\x01\n=no name\nLCID=2052\nexit_mode=2";
    out.write(damaged, sizeof damaged - 1);
  }
  EXPECT_EQ(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"LCID"), L"2052");
  EXPECT_EQ(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"exit_mode"), L"2");
  ASSERT_TRUE(Store()->WriteValue(L"SOFTWARE\\Keyvane", L"LCID", L"1033"));
  EXPECT_EQ(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"exit_mode"), L"2");
}

TEST_F(FileSettingsTest, KeyNamesCannotLeaveTheStore) {
  ASSERT_TRUE(Store()->WriteValue(L"SOFTWARE\\..\\..\\escape/evil", L"v", L"1"));
  EXPECT_EQ(Store()->ReadValue(L"SOFTWARE\\..\\..\\escape/evil", L"v"), L"1");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch_.Path())) {
    if (!entry.is_regular_file()) continue;
    const auto relative = std::filesystem::relative(entry.path(), SettingsRoot());
    EXPECT_EQ(relative.string().rfind("..", 0), std::string::npos) << entry.path();
  }
}

TEST_F(FileSettingsTest, UnusableStoreFailsWithoutThrowing) {
  // The configuration folder is a file: nothing can be created under it.
  WriteTestFile(scratch_ / "config", "not a folder");
  EXPECT_EQ(Store()->OpenKey(L"SOFTWARE\\Keyvane"), Settings::KeyStatus::Failed);
  EXPECT_FALSE(Store()->WriteValue(L"SOFTWARE\\Keyvane", L"LCID", L"1033"));
  EXPECT_FALSE(Store()->ReadValue(L"SOFTWARE\\Keyvane", L"LCID").has_value());
  EXPECT_FALSE(Store()->WriteAutostart(L"Keyvane", L"/opt/keyvane/Keyvane"));
}

TEST_F(FileSettingsTest, AutostartEntryIsADesktopFile) {
  EXPECT_FALSE(Store()->ReadAutostart(L"Keyvane").has_value());
  ASSERT_TRUE(Store()->WriteAutostart(L"Keyvane", L"/opt/key vane/Keyvane"));
  EXPECT_EQ(Store()->ReadAutostart(L"Keyvane"), L"/opt/key vane/Keyvane");
  std::ifstream in(scratch_ / "config" / "autostart" / "Keyvane.desktop");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[Desktop Entry]"), std::string::npos);
  EXPECT_NE(text.find("Exec=\"/opt/key vane/Keyvane\""), std::string::npos) << text;
  ASSERT_TRUE(Store()->DeleteAutostart(L"Keyvane"));
  EXPECT_FALSE(Store()->ReadAutostart(L"Keyvane").has_value());
}

}  // namespace
