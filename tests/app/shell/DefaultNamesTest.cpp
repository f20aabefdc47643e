#include "app/shell/DefaultNames.h"

#include <gtest/gtest.h>

#include "app/shell/CurrentLanguage.h"
#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeLocale.h"
#include "tests/support/ScratchFolder.h"

namespace {

using platform::ScopedBackend;

class DefaultNamesTest : public testing::Test {
 protected:
  DefaultNamesTest()
      : folders_(std::make_shared<platform::FakeFolders>(scratch_.Path())),
        locale_(std::make_shared<platform::FakeLocale>()) {}

  void WriteLanguage(int language, const std::string& content) {
    WriteTestFile(scratch_ / "program" / "language" / (std::to_string(language) + ".lan"), content);
  }
  void WriteBothLanguages() {
    WriteLanguage(kLanguageEnglish, "[KB.DIALOG]\n65=Profile\n331=Macro\n");
    WriteLanguage(kLanguageChinese, "[KB.DIALOG]\n65=配置方案\n331=宏\n");
  }

  ScratchFolder scratch_;
  ScopedBackend<platform::Folders> folders_;
  ScopedBackend<platform::Locale> locale_;
};

TEST_F(DefaultNamesTest, DefaultNamesTakeTheWordOfTheNewLanguage) {
  WriteBothLanguages();
  const struct {
    const wchar_t* name;
    int language;
    const wchar_t* profile;
    const wchar_t* macro;
  } cases[] = {
      {L"Profile 2", kLanguageChinese, L"配置方案 2", L"Profile 2"},
      {L"配置方案 2", kLanguageEnglish, L"Profile 2", L"配置方案 2"},
      {L"Macro 1", kLanguageChinese, L"Macro 1", L"宏 1"},
      {L"宏 1", kLanguageEnglish, L"宏 1", L"Macro 1"},
      {L"Macro 1 - 2", kLanguageChinese, L"Macro 1 - 2", L"宏 1 - 2"},
      // Names of the same language stay: there is nothing to translate.
      {L"Profile 2", kLanguageEnglish, L"Profile 2", L"Profile 2"},
      {L"配置方案 2", kLanguageChinese, L"配置方案 2", L"配置方案 2"},
      // Names the user chose stay, including near misses of the default words.
      {L"Gaming", kLanguageChinese, L"Gaming", L"Gaming"},
      {L"Gaming", kLanguageEnglish, L"Gaming", L"Gaming"},
      {L"profile 2", kLanguageChinese, L"profile 2", L"profile 2"},
      {L"My Profile", kLanguageChinese, L"My Profile", L"My Profile"},
      {L"Profil", kLanguageChinese, L"Profil", L"Profil"},
      {L"", kLanguageChinese, L"", L""},
      // The comparison looks at the start only, as many characters as the word has.
      {L"Profiles", kLanguageChinese, L"配置方案s", L"Profiles"},
      {L"宏大", kLanguageEnglish, L"宏大", L"Macro大"},
      // Other languages leave every name alone.
      {L"Profile 2", 1031, L"Profile 2", L"Profile 2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocalizedProfileName(c.name, c.language), c.profile) << c.name << " " << c.language;
    EXPECT_EQ(LocalizedMacroName(c.name, c.language), c.macro) << c.name << " " << c.language;
  }
}

TEST_F(DefaultNamesTest, SwitchingBackAndForthRestoresTheName) {
  WriteBothLanguages();
  const std::wstring chinese = LocalizedProfileName(L"Profile 7", kLanguageChinese);
  EXPECT_EQ(chinese, L"配置方案 7");
  EXPECT_EQ(LocalizedProfileName(chinese, kLanguageEnglish), L"Profile 7");
}

TEST_F(DefaultNamesTest, WithoutTheNewLanguageFileNamesKeepTheirWord) {
  WriteLanguage(kLanguageEnglish, "[KB.DIALOG]\n65=Profile\n331=Macro\n");
  EXPECT_EQ(LocalizedProfileName(L"Profile 2", kLanguageChinese), L"Profile 2");
  EXPECT_EQ(LocalizedMacroName(L"Macro 1", kLanguageChinese), L"Macro 1");
}

}  // namespace
