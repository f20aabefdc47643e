// The language files we ship: a text for every number the program looks up, in both languages.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "app/shell/CurrentLanguage.h"
#include "app/shell/DefaultNames.h"
#include "app/shell/IniFile.h"
#include "app/shell/LanguageText.h"
#include "app/text/Numbers.h"
#include "app/xml/XmlDocument.h"
#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeLocale.h"

namespace {

const std::filesystem::path kData = std::filesystem::path(KEYVANE_SOURCE_DIR) / "data";

// language/text_numbers.txt: "number<tab>where it is shown" lines; '#' starts a comment.
std::map<int, std::string> ListedTextNumbers() {
  std::map<int, std::string> numbers;
  std::ifstream file(kData / "language" / "text_numbers.txt");
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t');
    numbers[std::stoi(line.substr(0, tab))] = tab == std::string::npos ? "" : line.substr(tab + 1);
  }
  return numbers;
}

// The light effect names of the device files are text numbers too.
std::set<int> LightEffectNumbers() {
  std::set<int> numbers;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(kData / "layouts", error)) {
    if (entry.path().extension() != ".xml") continue;
    XmlDocument document;
    if (document.Load(entry.path(), "CP1252") != XmlDocument::LoadResult::Ok) continue;
    if (!document.FindElem(L"device.info") || !document.IntoElem()) continue;
    if (!document.FindElem(L"light") || !document.IntoElem()) continue;
    while (document.FindElem(L"info"))
      numbers.insert(LeadingDecimal(document.GetAttrib(L"name")));
  }
  return numbers;
}

class ShippedLanguageTest : public testing::TestWithParam<int> {
 protected:
  ShippedLanguageTest() : locale_(std::make_shared<platform::FakeLocale>()) {}
  platform::ScopedBackend<platform::Locale> locale_;
};

TEST_P(ShippedLanguageTest, HasEveryListedTextAndNothingElse) {
  const int language = GetParam();
  const auto listed = ListedTextNumbers();
  ASSERT_GT(listed.size(), 100u);
  IniFile file;
  ASSERT_EQ(file.Load(kData / "language" / (std::to_string(language) + ".lan")),
            IniFile::LoadResult::Ok);
  std::set<int> present;
  for (const auto& [key, text] : file.Entries(L"KB.DIALOG")) {
    const int number = LeadingDecimal(key);
    EXPECT_EQ(std::to_wstring(number), key) << "key that is not a text number";
    EXPECT_TRUE(present.insert(number).second) << "text " << number << " given twice";
    EXPECT_TRUE(listed.count(number)) << "text " << number << " is not in text_numbers.txt";
    EXPECT_FALSE(text.empty()) << "text " << number << " is empty";
    EXPECT_LE(text.size(), kMaxTextLength) << "text " << number << " is too long";
  }
  for (const auto& [number, use] : listed)
    EXPECT_TRUE(present.count(number)) << "no text " << number << " (" << use << ")";
  for (int number : LightEffectNumbers())
    EXPECT_TRUE(present.count(number)) << "no text for light effect " << number;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest,
                         testing::Values(kLanguageEnglish, kLanguageChinese));

TEST(ShippedLanguageSwitchTest, DefaultNamesFollowTheLanguageAndUserNamesStay) {
  platform::ScopedBackend<platform::Locale> locale(std::make_shared<platform::FakeLocale>());
  auto folders = std::make_shared<platform::FakeFolders>(kData);
  folders->SetProgramFolder(kData);
  platform::ScopedBackend<platform::Folders> scoped(folders);

  const std::wstring chinese = LocalizedProfileName(L"Profile 2", kLanguageChinese);
  EXPECT_EQ(chinese, L"配置方案 2");
  EXPECT_EQ(LocalizedProfileName(chinese, kLanguageEnglish), L"Profile 2");
  EXPECT_EQ(LocalizedMacroName(L"Macro 1", kLanguageChinese), L"宏 1");
  EXPECT_EQ(LocalizedMacroName(L"宏 1", kLanguageEnglish), L"Macro 1");
  EXPECT_EQ(LocalizedProfileName(L"Gaming", kLanguageChinese), L"Gaming");
  EXPECT_EQ(LocalizedProfileName(L"Gaming", kLanguageEnglish), L"Gaming");
}

}  // namespace
