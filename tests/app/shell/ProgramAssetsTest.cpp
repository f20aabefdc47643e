// Every picture and text number that the program's own code asks for exists in what we ship, so a
// missing picture or label is caught here rather than by a user. The code is read for the names it
// uses: picture names in string literals, and texts looked up by a literal number.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/shell/IniFile.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSource = KEYVANE_SOURCE_DIR;

struct Use {
  std::string name;  // picture name or text number
  std::string where;
};

// Every match of `pattern`'s first group in the program's sources (app/ and ui/).
std::vector<Use> FindInSources(const std::regex& pattern) {
  std::vector<Use> uses;
  for (const char* folder : {"app", "ui"}) {
    for (const auto& entry : fs::recursive_directory_iterator(kSource / folder)) {
      const auto extension = entry.path().extension();
      if (extension != ".cpp" && extension != ".h") continue;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      const std::string content = text.str();
      for (std::sregex_iterator it(content.begin(), content.end(), pattern), end; it != end; ++it) {
        uses.push_back({(*it)[1].str(), fs::relative(entry.path(), kSource).string()});
      }
    }
  }
  return uses;
}

TEST(ProgramAssetsTest, EveryPictureTheCodeNamesIsShipped) {
  const auto uses =
      FindInSources(std::regex(R"re(L"([^"\\]*(?:\\\\[^"\\]*)*\.(?:png|gif|ico))")re"));
  ASSERT_FALSE(uses.empty()) << "the search found no picture names at all";
  for (const auto& use : uses) {
    std::string name = std::regex_replace(use.name, std::regex(R"(\\\\)"), "/");
    EXPECT_TRUE(fs::is_regular_file(kSource / "data" / "skins" / "theme1" / name))
        << use.name << " (used in " << use.where << ") is not in data/skins/theme1";
  }
}

TEST(ProgramAssetsTest, EveryTextTheCodeLooksUpIsInBothLanguages) {
  const auto uses = FindInSources(std::regex(R"(\bText\((\d+)\))"));
  ASSERT_FALSE(uses.empty()) << "the search found no text lookups at all";
  for (const char* language : {"1033", "2052"}) {
    IniFile file;
    ASSERT_EQ(file.Load(kSource / "data" / "language" / (std::string(language) + ".lan")),
              IniFile::LoadResult::Ok);
    for (const auto& use : uses) {
      const std::wstring key(use.name.begin(), use.name.end());
      const auto text = file.Value(L"KB.DIALOG", key);
      EXPECT_TRUE(text && !text->empty()) << "text " << use.name << " (used in " << use.where
                                          << ") is missing from " << language << ".lan";
    }
  }
}

}  // namespace
