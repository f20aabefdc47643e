#include "app/shell/LanguageText.h"

#include "app/shell/CurrentLanguage.h"
#include "app/shell/IniFile.h"
#include "platform/Backend.h"
#include "platform/Folders.h"

std::filesystem::path LanguageFile(int language) {
  return platform::Get<platform::Folders>().ProgramFolder() / "language" /
         (std::to_string(language) + ".lan");
}

std::wstring TextIn(int language, int number) {
  IniFile file;
  if (file.Load(LanguageFile(language)) != IniFile::LoadResult::Ok) return {};
  auto text = file.Value(L"KB.DIALOG", std::to_wstring(number)).value_or(std::wstring());
  if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
  return text;
}

std::wstring Text(int number) {
  return TextIn(CurrentLanguage(), number);
}
