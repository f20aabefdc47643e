#include "platform/Folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Backend.h"
#include "tests/support/ScratchFolder.h"

namespace {

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(FoldersTest, HonoursXdgVariablesWithAbsolutePaths) {
  ScratchFolder scratch;
  ScopedEnv data("XDG_DATA_HOME", (scratch / "d").c_str());
  ScopedEnv config("XDG_CONFIG_HOME", (scratch / "c").c_str());
  ScopedEnv runtime("XDG_RUNTIME_DIR", (scratch / "r").c_str());
  auto folders = platform::MakeRealBackend<platform::Folders>();
  EXPECT_EQ(folders->LocalDataFolder(), scratch / "d");
  EXPECT_EQ(folders->ConfigFolder(), scratch / "c");
  EXPECT_EQ(folders->RuntimeFolder(), scratch / "r");
}

TEST(FoldersTest, IgnoresRelativeXdgPaths) {
  ScopedEnv home("HOME", "/home/someone");
  ScopedEnv data("XDG_DATA_HOME", "relative/data");
  ScopedEnv config("XDG_CONFIG_HOME", "");
  auto folders = platform::MakeRealBackend<platform::Folders>();
  EXPECT_EQ(folders->LocalDataFolder(), "/home/someone/.local/share");
  EXPECT_EQ(folders->ConfigFolder(), "/home/someone/.config");
}

TEST(FoldersTest, ProgramFolderHoldsTheRunningExecutable) {
  auto folders = platform::MakeRealBackend<platform::Folders>();
  EXPECT_TRUE(std::filesystem::exists(folders->ProgramFolder() / "platform_tests"));
}

TEST(FoldersTest, EnsureFolderCreatesEveryMissingParent) {
  ScratchFolder scratch;
  EXPECT_TRUE(platform::EnsureFolder(scratch / "a" / "b" / "c"));
  EXPECT_TRUE(std::filesystem::is_directory(scratch / "a" / "b" / "c"));
  EXPECT_TRUE(platform::EnsureFolder(scratch / "a" / "b" / "c"));  // already there
  WriteTestFile(scratch / "file", "x");
  EXPECT_FALSE(platform::EnsureFolder(scratch / "file" / "below"));
  EXPECT_FALSE(platform::EnsureFolder(scratch / "file"));
  EXPECT_FALSE(platform::EnsureFolder(""));
}

TEST(FoldersTest, WindowsNamesBecomePaths) {
  EXPECT_EQ(platform::FromWindowsName(L"icon\\icon_keyboard.png"), "icon/icon_keyboard.png");
  EXPECT_EQ(platform::FromWindowsName(L"skins\\theme1\\键盘.png"), "skins/theme1/键盘.png");
}

TEST(FoldersTest, SafeFileNamesStayInTheirFolder) {
  const std::pair<std::wstring, std::string> cases[] = {
      {L"Keyvane", "Keyvane"},
      {L"Keyvane Files", "Keyvane Files"},
      {L"键盘", "键盘"},
      {L"a/b", "a%2Fb"},
      {L"a\\b", "a%5Cb"},
      {L"..", "%2E."},
      {L".hidden", "%2Ehidden"},
      {L"100%", "100%25"},
      {L"line\nbreak", "line%0Abreak"},
      {L"", "%00"},
  };
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(platform::SafeFileName(name), expected);
}

}  // namespace
