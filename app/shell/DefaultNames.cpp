#include "app/shell/DefaultNames.h"

#include "app/shell/CurrentLanguage.h"
#include "app/shell/LanguageText.h"

namespace {

// The comparison is exact and case-sensitive, and it looks only at the start, so "Profile 2"
// and "Profile2" are renamed while "profile 2" and "My Profile" are not.
std::wstring Localized(std::wstring_view name, int language, std::wstring_view english_word,
                       std::wstring_view chinese_word, int word_text) {
  std::wstring_view other_word;
  if (language == kLanguageChinese) {
    other_word = english_word;
  } else if (language == kLanguageEnglish) {
    other_word = chinese_word;
  } else {
    return std::wstring(name);
  }
  if (!name.starts_with(other_word)) return std::wstring(name);
  // Without a language file the word is empty; the name keeps its old word rather than being
  // cut down to " 2".
  const std::wstring word = TextIn(language, word_text);
  if (word.empty()) return std::wstring(name);
  return word + std::wstring(name.substr(other_word.size()));
}

}  // namespace

std::wstring LocalizedProfileName(std::wstring_view name, int language) {
  return Localized(name, language, L"Profile", L"配置方案", kTextProfileWord);
}

std::wstring LocalizedMacroName(std::wstring_view name, int language) {
  return Localized(name, language, L"Macro", L"宏", kTextMacroWord);
}
