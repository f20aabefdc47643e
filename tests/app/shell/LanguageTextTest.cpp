#include "app/shell/LanguageText.h"

#include <gtest/gtest.h>

#include "app/shell/CurrentLanguage.h"
#include "platform/Backend.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeLocale.h"
#include "tests/support/ScratchFolder.h"

namespace {

using platform::ScopedBackend;

class LanguageTextTest : public testing::Test {
 protected:
  LanguageTextTest()
      : folders_(std::make_shared<platform::FakeFolders>(scratch_.Path())),
        locale_(std::make_shared<platform::FakeLocale>()) {}
  ~LanguageTextTest() override { SetCurrentLanguage(kLanguageEnglish); }

  void WriteLanguage(int language, const std::string& content) {
    WriteTestFile(scratch_ / "program" / "language" / (std::to_string(language) + ".lan"), content);
  }

  ScratchFolder scratch_;
  ScopedBackend<platform::Folders> folders_;
  ScopedBackend<platform::Locale> locale_;
};

TEST_F(LanguageTextTest, MissingFileSectionOrKeyGivesAnEmptyText) {
  SetCurrentLanguage(kLanguageEnglish);
  EXPECT_EQ(Text(50), L"");
  WriteLanguage(kLanguageEnglish, "[OTHER]\n50=Home\n");
  EXPECT_EQ(Text(50), L"");
  WriteLanguage(kLanguageEnglish, "[KB.DIALOG]\n51=Keys\n");
  EXPECT_EQ(Text(50), L"");
  EXPECT_EQ(Text(51), L"Keys");
}

TEST_F(LanguageTextTest, FollowsTheCurrentLanguageAndTheFileOnDisk) {
  WriteLanguage(kLanguageEnglish, "[KB.DIALOG]\n50=Home\n");
  WriteLanguage(kLanguageChinese, "\xEF\xBB\xBF[KB.DIALOG]\n50=首页\n");
  SetCurrentLanguage(kLanguageChinese);
  EXPECT_EQ(Text(50), L"首页");
  SetCurrentLanguage(kLanguageEnglish);
  EXPECT_EQ(Text(50), L"Home");
  // Nothing is kept between lookups: an edited file shows at once.
  WriteLanguage(kLanguageEnglish, "[KB.DIALOG]\n50=Start\n");
  EXPECT_EQ(Text(50), L"Start");
}

TEST_F(LanguageTextTest, LongTextsAreCutToTheLongestKept) {
  const std::wstring chinese_259(kMaxTextLength, L'键');
  WriteLanguage(
      kLanguageChinese, "[KB.DIALOG]\n1=" + std::string(kMaxTextLength, 'a') +
                            "\n2=" + std::string(kMaxTextLength + 40, 'b') + "\n3=" +
                            [&] {
                              std::string s;
                              for (size_t i = 0; i < kMaxTextLength + 1; ++i)
                                s += "键";
                              return s;
                            }() +
                            "\n");
  EXPECT_EQ(TextIn(kLanguageChinese, 1), std::wstring(kMaxTextLength, L'a'));
  EXPECT_EQ(TextIn(kLanguageChinese, 2), std::wstring(kMaxTextLength, L'b'));
  // Characters are counted, not bytes: a CJK text is not cut in the middle of a character.
  EXPECT_EQ(TextIn(kLanguageChinese, 3), chinese_259);
}

TEST_F(LanguageTextTest, KeysAreDecimalNumbers) {
  WriteLanguage(kLanguageEnglish, "[KB.DIALOG]\n0=zero\n07=leading zero\n-1=negative\n");
  EXPECT_EQ(TextIn(kLanguageEnglish, 0), L"zero");
  EXPECT_EQ(TextIn(kLanguageEnglish, 7), L"");  // "07" is not how the number is written
  EXPECT_EQ(TextIn(kLanguageEnglish, -1), L"negative");
}

}  // namespace
