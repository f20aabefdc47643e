#include "app/shell/IniFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/Text.h"
#include "tests/support/ScratchFolder.h"

namespace {

std::string Utf16(const std::wstring& text, bool little_endian) {
  std::string out = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (wchar_t c : text) {
    const char low = static_cast<char>(c & 0xFF), high = static_cast<char>((c >> 8) & 0xFF);
    out += little_endian ? low : high;
    out += little_endian ? high : low;
  }
  return out;
}

TEST(IniFileTest, FindsValuesByTheFileRules) {
  const std::string file =
      "; a comment line\n"
      "top=before any section\n"
      "[Other]\n"
      "1=other section\n"
      "[kb.dialog]\n"
      "  1 =  blanks around  \n"
      "2=a=b ; not a comment\n"
      "3=\"  quoted  \"\n"
      "4='single'\n"
      "5=\"unbalanced\n"
      "# 6=commented out\n"
      ";7=commented out\n"
      "8=\n"
      "no equals sign here\n"
      "Key=mixed case key\n"
      "1=second one loses\n"
      "[KB.DIALOG]\n"
      "9=a later section of the same name is not read\n"
      "[Last\n"
      "1=section without closing bracket\n";
  const struct {
    const wchar_t* section;
    const wchar_t* key;
    std::optional<std::wstring> value;
  } cases[] = {
      {L"KB.DIALOG", L"1", L"blanks around"},
      {L"KB.DIALOG", L"2", L"a=b ; not a comment"},
      {L"KB.DIALOG", L"3", L"  quoted  "},
      {L"KB.DIALOG", L"4", L"single"},
      {L"KB.DIALOG", L"5", L"\"unbalanced"},
      {L"KB.DIALOG", L"6", std::nullopt},
      {L"KB.DIALOG", L"7", std::nullopt},
      {L"KB.DIALOG", L"8", L""},
      {L"KB.DIALOG", L"KEY", L"mixed case key"},
      {L"KB.DIALOG", L"9", std::nullopt},
      {L"KB.DIALOG", L"top", std::nullopt},
      {L"Other", L"1", L"other section"},
      {L"Last", L"1", L"section without closing bracket"},
      {L"Missing", L"1", std::nullopt},
      {L"KB.DIALO", L"1", std::nullopt},
  };
  IniFile ini;
  ASSERT_EQ(ini.Parse(file, "CP1252"), IniFile::LoadResult::Ok);
  for (const auto& c : cases)
    EXPECT_EQ(ini.Value(c.section, c.key), c.value) << c.section << " " << c.key;
}

TEST(IniFileTest, LineEndsOfEveryKind) {
  IniFile ini;
  ASSERT_EQ(ini.Parse("[S]\r\n1=crlf\r\n2=cr\r3=lf\n4=last line without end", "CP1252"),
            IniFile::LoadResult::Ok);
  EXPECT_EQ(ini.Value(L"S", L"1"), L"crlf");
  EXPECT_EQ(ini.Value(L"S", L"2"), L"cr");
  EXPECT_EQ(ini.Value(L"S", L"3"), L"lf");
  EXPECT_EQ(ini.Value(L"S", L"4"), L"last line without end");
}

TEST(IniFileTest, ReadsEveryEncodingOfTheSameText) {
  const std::wstring text = L"[KB.DIALOG]\r\n65=配置方案\r\n";
  const std::string utf8 = platform::ToUtf8(text);
  const struct {
    const char* name;
    std::string bytes;
    const char* encoding;
  } cases[] = {
      {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8, "UTF-8"},
      {"UTF-8 without a mark", utf8, "UTF-8"},
      {"UTF-16LE with a mark", Utf16(text, true), "UTF-16LE"},
      {"UTF-16BE with a mark", Utf16(text, false), "UTF-16BE"},
      // 配置方案 in GBK, the legacy code page of a Chinese system.
      {"legacy code page", "[KB.DIALOG]\r\n65=\xC5\xE4\xD6\xC3\xB7\xBD\xB0\xB8\r\n", "GBK"},
  };
  for (const auto& c : cases) {
    IniFile ini;
    ASSERT_EQ(ini.Parse(c.bytes, "GBK"), IniFile::LoadResult::Ok) << c.name;
    EXPECT_EQ(ini.Encoding(), c.encoding) << c.name;
    EXPECT_EQ(ini.Value(L"KB.DIALOG", L"65"), L"配置方案") << c.name;
  }
}

TEST(IniFileTest, BadFilesGiveAResultAndNoValues) {
  ScratchFolder folder;
  IniFile ini;
  EXPECT_EQ(ini.Load(folder / "none.lan"), IniFile::LoadResult::Missing);
  EXPECT_EQ(ini.Load(folder.Path()), IniFile::LoadResult::Unreadable);
  // A UTF-8 mark followed by bytes that are not UTF-8.
  EXPECT_EQ(ini.Parse("\xEF\xBB\xBF[S]\n1=\xFF\xFE\xFD", "CP1252"),
            IniFile::LoadResult::Undecodable);
  EXPECT_EQ(ini.Value(L"S", L"1"), std::nullopt);
  ASSERT_EQ(ini.Parse("", "CP1252"), IniFile::LoadResult::Ok);
  EXPECT_EQ(ini.Value(L"S", L"1"), std::nullopt);
  EXPECT_TRUE(ini.Entries(L"S").empty());
}

TEST(IniFileTest, EntriesListTheFirstSectionInFileOrder) {
  IniFile ini;
  ASSERT_EQ(ini.Parse("[A]\n2=two\n;c\n1=one\n[B]\n3=three\n[a]\n4=four\n", "CP1252"),
            IniFile::LoadResult::Ok);
  const std::vector<std::pair<std::wstring, std::wstring>> expected = {{L"2", L"two"},
                                                                       {L"1", L"one"}};
  EXPECT_EQ(ini.Entries(L"a"), expected);
}

}  // namespace
