#include "app/model/LayoutWarnings.h"

#include <gtest/gtest.h>

#include "app/model/DeviceFile.h"

namespace {

std::vector<std::wstring> WarningsFor(
    const std::string& keys, const std::string& counts = R"(row_count="2" col_count="4")") {
  XmlDocument document;
  EXPECT_EQ(document.Parse("<device.info><Keyboard " + counts + "><KeyItems>" + keys +
                           "</KeyItems></Keyboard></device.info>"),
            XmlDocument::LoadResult::Ok);
  DeviceFile device;
  device.Read(document);
  return CheckKeyLayout(device.Layout());
}

std::string Key(const std::string& code, const std::string& key_index, const std::string& row_col) {
  return "<key code=\"" + code + "\" name=\"n" + code + "\" key_index=\"" + key_index +
         "\" row_col=\"" + row_col + "\"/>";
}

TEST(LayoutWarningsTest, AGoodLayoutHasNone) {
  EXPECT_TRUE(WarningsFor(Key("04", "0", "0,0") + Key("05", "1", "1,3")).empty());
}

TEST(LayoutWarningsTest, NamesEachProblemOnce) {
  const std::string good = Key("04", "0", "0,0");
  const struct {
    std::string keys;
    std::string counts;
    const wchar_t* expected;
  } cases[] = {
      {good + Key("05", "110", "0,1"), "", L"key_index 110 is outside the keyboard's tables"},
      {good + Key("05", "-1", "0,1"), "", L"key_index -1 is outside"},
      {good + Key("05", "0", "0,1"), "", L"key_index 0 already used by key \"n04\""},
      {good + Key("04", "1", "0,1"), "", L"code already used by key \"n04\""},
      {good + Key("1FF", "1", "0,1"), "", L"code is not below FF"},
      {good + Key("05", "1", "8,1"), "", L"row_col \"8,1\" names no cell"},
      {good + Key("05", "1", ""), "", L"row_col \"\" names no cell"},
      {good + Key("05", "1", "0,0"), "", L"cell 0,0 already used by key \"n04\""},
      {good + Key("05", "1", "1,9"), "", L"cell 1,9 lies outside row_count x col_count"},
      {good, R"(row_count="9" col_count="4")", L"row_count 9 is not 1 to 8"},
      {good, R"(row_count="1" col_count="40")", L"col_count 40 is not 1 to 32"},
      {"", R"(row_count="1" col_count="1")", L"no keys"},
  };
  for (const auto& c : cases) {
    const auto warnings =
        WarningsFor(c.keys, c.counts.empty() ? R"(row_count="2" col_count="4")" : c.counts);
    ASSERT_EQ(warnings.size(), 1u) << c.keys << c.counts;
    EXPECT_NE(warnings[0].find(c.expected), std::wstring::npos) << c.keys;
  }
}

TEST(LayoutWarningsTest, ALayoutWithoutKeyboardSaysSo) {
  DeviceFile device;
  const auto warnings = CheckKeyLayout(device.Layout());
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(L"no Keyboard element"), std::wstring::npos);
}

}  // namespace
