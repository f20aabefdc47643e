#pragma once

#include <string>

namespace platform {

// The user's language settings.
class Locale {
 public:
  virtual ~Locale() = default;

  // The user's interface language as a Windows language identifier (1033 English (US),
  // 2052 Chinese (simplified), 1031 German, ...). 1033 when nothing is set, 4096 for a language
  // without an identifier of its own.
  virtual int UserUiLanguage() = 0;

  // The legacy 8-bit encoding of the user's language, as an iconv name ("GBK" for Chinese,
  // "CP1252" for Western European languages): what an old text file without a declared encoding
  // was most likely written in.
  virtual std::string SystemCodePage() = 0;
};

// The language identifier and legacy code page of a POSIX locale name such as "zh_CN.UTF-8".
int LanguageIdOfLocale(const std::string& locale_name);
std::string CodePageOfLocale(const std::string& locale_name);

}  // namespace platform
