#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

TEST(LocaleTest, LanguageAndCodePageOfLocaleNames) {
  struct Case {
    const char* locale;
    int language;
    const char* code_page;
  };
  const Case cases[] = {
      {"en_US.UTF-8", 1033, "CP1252"},
      {"en_US", 1033, "CP1252"},
      {"en_GB.UTF-8", 2057, "CP1252"},
      {"C", 1033, "CP1252"},
      {"C.UTF-8", 1033, "CP1252"},
      {"POSIX", 1033, "CP1252"},
      {"", 1033, "CP1252"},
      {"de_DE.UTF-8", 1031, "CP1252"},
      {"zh_CN.UTF-8", 2052, "GBK"},
      {"zh_CN.GB18030", 2052, "GBK"},
      {"zh_TW.UTF-8", 1028, "BIG5"},
      {"ja_JP.UTF-8", 1041, "CP932"},
      {"ru_RU.UTF-8", 1049, "CP1251"},
      {"pl_PL", 1045, "CP1250"},
      {"sr@latin", 4096, "CP1252"},
      {"enx_US", 4096, "CP1252"},
      {"xx_YY.UTF-8", 4096, "CP1252"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::LanguageIdOfLocale(c.locale), c.language) << c.locale;
    EXPECT_EQ(platform::CodePageOfLocale(c.locale), c.code_page) << c.locale;
  }
}

}  // namespace
