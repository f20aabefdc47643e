#include "app/shell/Startup.h"

#include <gtest/gtest.h>

#include "app/shell/CurrentLanguage.h"
#include "platform/Backend.h"
#include "platform/Text.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeInstanceLock.h"
#include "platform/fake/FakeLocale.h"
#include "platform/fake/FakeSettings.h"
#include "tests/support/ScratchFolder.h"
#include "ui/core/Manager.h"

namespace {

using platform::ScopedBackend;

class StartupTest : public testing::Test {
 protected:
  StartupTest()
      : folders_(std::make_shared<platform::FakeFolders>(scratch_.Path())),
        settings_(std::make_shared<platform::FakeSettings>()),
        lock_(std::make_shared<platform::FakeInstanceLock>()) {
    LumoUI::Manager::SetDeviceName(L"Keyvane");
  }
  ~StartupTest() override { LumoUI::Manager::SetDeviceName(L"Keyvane"); }

  void WriteConfig(const std::string& content) {
    WriteTestFile(scratch_ / "program" / "config.xml", content);
  }

  ScratchFolder scratch_;
  ScopedBackend<platform::Folders> folders_;
  ScopedBackend<platform::Settings> settings_;
  ScopedBackend<platform::InstanceLock> lock_;
};

TEST_F(StartupTest, DeviceNameComesFromTheSoftwareElement) {
  WriteConfig("<config><device.info/><software name=\"Aurora K7\" version=\"1\"/></config>");
  const StartupState state = StartUp();
  EXPECT_TRUE(state.config_name_read);
  EXPECT_EQ(state.device_name, L"Aurora K7");
  EXPECT_EQ(LumoUI::Manager::GetDeviceName(), L"Aurora K7");
  EXPECT_EQ(state.data_folder, scratch_ / "data" / "Aurora K7 Files");
  EXPECT_TRUE(state.database_folder_ready);
  EXPECT_TRUE(std::filesystem::is_directory(scratch_ / "data" / "Aurora K7 Files" / "db"));
}

TEST_F(StartupTest, BadConfigurationLeavesTheBuiltInName) {
  for (const std::string config :
       {"", "<config>", "<config><device.info/></config>", "<config><software/></config>",
        "<config><software name=\"\"/></config>", "<other><software name=\"X\"/></other>"}) {
    WriteConfig(config);
    const StartupState state = StartUp();
    EXPECT_FALSE(state.config_name_read) << config;
    EXPECT_EQ(state.device_name, L"Keyvane") << config;
  }
}

TEST_F(StartupTest, SecondStartWithTheSameNameStopsAtTheInstanceCheck) {
  const StartupState first = StartUp();
  ASSERT_EQ(first.instance, platform::InstanceLock::Result::Acquired);
  const StartupState second = StartUp();
  EXPECT_TRUE(second.IsSecondInstance());
  EXPECT_EQ(second.language, 0);  // it never reached the language step

  // Another device name is another program: both run side by side.
  WriteConfig("<config><software name=\"Other\"/></config>");
  const StartupState other = StartUp();
  EXPECT_EQ(other.instance, platform::InstanceLock::Result::Acquired);
}

struct LanguageCase {
  const char* label;
  int ui_language;
  const wchar_t* stored;  // null: nothing stored
  bool broken_store;
  int expected_current;
  const wchar_t* expected_stored;  // null: nothing stored afterwards
  friend void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.label; }
};

class StartupLanguageTest : public StartupTest, public testing::WithParamInterface<LanguageCase> {};

TEST_P(StartupLanguageTest, ChoosesAndStoresTheLanguage) {
  const auto& param = GetParam();
  ScopedBackend<platform::Locale> locale(std::make_shared<platform::FakeLocale>(param.ui_language));
  auto& settings = static_cast<platform::FakeSettings&>(*settings_);
  if (param.stored) settings.WriteValue(L"SOFTWARE\\Keyvane", L"LCID", param.stored);
  settings.SetBroken(param.broken_store);

  const StartupState state = StartUp();
  EXPECT_EQ(state.language, param.expected_current);
  EXPECT_EQ(CurrentLanguage(), param.expected_current);

  settings.SetBroken(false);
  const auto stored = settings.ReadValue(L"SOFTWARE\\Keyvane", L"lcid");
  if (param.expected_stored) {
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, param.expected_stored);
  } else {
    EXPECT_FALSE(stored.has_value()) << platform::ToUtf8(*stored);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, StartupLanguageTest,
    testing::Values(LanguageCase{"EnglishFirstStart", 1033, nullptr, false, 1033, L"1033"},
                    LanguageCase{"GermanFirstStart", 1031, nullptr, false, 2052, L"2052"},
                    LanguageCase{"ChineseFirstStart", 2052, nullptr, false, 2052, L"2052"},
                    LanguageCase{"StoredEnglishWins", 2052, L"1033", false, 1033, L"1033"},
                    LanguageCase{"StoredChineseWins", 1033, L"2052", false, 2052, L"2052"},
                    LanguageCase{"StoredGarbageCountsAsNone", 1033, L"abc", false, 1033, L"1033"},
                    LanguageCase{"UnopenableStoreUsesEnglish", 2052, nullptr, true, 1033, nullptr}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.label); });

}  // namespace
