// keyvanectl text: one text of a language file, as the program would show it. Lets translators
// check a file (with --dir) before it is installed.
#include <cstdio>
#include <string>

#include "app/ctl/CtlCommand.h"
#include "app/ctl/Json.h"
#include "app/shell/CurrentLanguage.h"
#include "app/shell/IniFile.h"
#include "app/shell/LanguageText.h"
#include "platform/Backend.h"
#include "platform/Locale.h"
#include "platform/Text.h"

namespace {

bool ParseNumber(const std::string& word, int& number) {
  if (word.empty() || word.size() > 9) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  number = std::stoi(word);
  return true;
}

// The language the program would pick on a first start: English for an English interface,
// Chinese for any other.
int UserLanguage() {
  return platform::Get<platform::Locale>().UserUiLanguage() == kLanguageEnglish ? kLanguageEnglish
                                                                                : kLanguageChinese;
}

int RunText(const CtlOptions& options) {
  int number = -1;
  int language = UserLanguage();
  const auto& arguments = options.arguments;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--lang") {
      if (i + 1 >= arguments.size() || !ParseNumber(arguments[i + 1], language) ||
          (language != kLanguageEnglish && language != kLanguageChinese)) {
        std::fputs("keyvanectl: --lang takes 1033 or 2052\n", stderr);
        return 2;
      }
      ++i;
    } else if (number < 0 && ParseNumber(arguments[i], number)) {
    } else {
      std::fprintf(stderr, "keyvanectl: unexpected argument %s\n", arguments[i].c_str());
      return 2;
    }
  }
  if (number < 0) {
    std::fputs("keyvanectl: text needs a NUMBER\n", stderr);
    return 2;
  }

  const auto file = LanguageFile(language);
  IniFile ini;
  switch (ini.Load(file)) {
    case IniFile::LoadResult::Ok:
      break;
    case IniFile::LoadResult::Missing:
      return CtlFail(file.string() + ": file not found");
    case IniFile::LoadResult::Unreadable:
      return CtlFail(file.string() + ": file cannot be read");
    case IniFile::LoadResult::Undecodable:
      return CtlFail(file.string() + ": text encoding cannot be decoded");
  }
  if (!ini.Value(L"KB.DIALOG", std::to_wstring(number))) {
    return CtlFail(file.string() + ": no text " + std::to_string(number) + " in [KB.DIALOG]");
  }
  // Read through the program's own lookup, so the output is what the program shows (cut to the
  // longest text it keeps).
  const std::wstring text = TextIn(language, number);
  if (options.json) {
    JsonWriter json;
    json.BeginObject();
    json.Key("file");
    json.String(file.string());
    json.Key("encoding");
    json.String(ini.Encoding());
    json.Key("language");
    json.Number(static_cast<long long>(language));
    json.Key("number");
    json.Number(static_cast<long long>(number));
    json.Key("text");
    json.String(text);
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
  } else {
    std::printf("%s\n", platform::ToUtf8(text).c_str());
  }
  return 0;
}

const CtlCommandRegistration registration({"text", "NUMBER [--lang 1033|2052] [--json]",
                                           "print one text of the language file", &RunText});

}  // namespace
