#include <cstdlib>
#include <string>

#include "platform/Backend.h"
#include "platform/Locale.h"

namespace platform {
namespace {

struct LanguageRow {
  const char* prefix;  // "ll" or "ll_CC"
  int language_id;
  const char* code_page;
};

// More specific rows (with a territory) come before the bare language.
constexpr LanguageRow kLanguages[] = {
    {"en_US", 1033, "CP1252"}, {"en_GB", 2057, "CP1252"}, {"en_AU", 3081, "CP1252"},
    {"en_CA", 4105, "CP1252"}, {"en", 1033, "CP1252"},    {"zh_TW", 1028, "BIG5"},
    {"zh_HK", 3076, "BIG5"},   {"zh_SG", 4100, "GBK"},    {"zh", 2052, "GBK"},
    {"ja", 1041, "CP932"},     {"ko", 1042, "CP949"},     {"de", 1031, "CP1252"},
    {"fr", 1036, "CP1252"},    {"es", 3082, "CP1252"},    {"it", 1040, "CP1252"},
    {"pt_BR", 1046, "CP1252"}, {"pt", 2070, "CP1252"},    {"nl", 1043, "CP1252"},
    {"sv", 1053, "CP1252"},    {"da", 1030, "CP1252"},    {"nb", 1044, "CP1252"},
    {"fi", 1035, "CP1252"},    {"pl", 1045, "CP1250"},    {"cs", 1029, "CP1250"},
    {"sk", 1051, "CP1250"},    {"hu", 1038, "CP1250"},    {"ro", 1048, "CP1250"},
    {"hr", 1050, "CP1250"},    {"sl", 1060, "CP1250"},    {"ru", 1049, "CP1251"},
    {"uk", 1058, "CP1251"},    {"bg", 1026, "CP1251"},    {"el", 1032, "CP1253"},
    {"tr", 1055, "CP1254"},    {"he", 1037, "CP1255"},    {"ar", 1025, "CP1256"},
    {"lt", 1063, "CP1257"},    {"lv", 1062, "CP1257"},    {"et", 1061, "CP1257"},
    {"vi", 1066, "CP1258"},    {"th", 1054, "CP874"},
};

const LanguageRow* FindLanguage(const std::string& locale_name) {
  // "C", "POSIX" and empty names carry no language: treat them as English.
  if (locale_name.empty() || locale_name == "C" || locale_name == "POSIX" ||
      locale_name.rfind("C.", 0) == 0) {
    return &kLanguages[0];
  }
  for (const auto& row : kLanguages) {
    const std::string prefix = row.prefix;
    if (locale_name.compare(0, prefix.size(), prefix) != 0) continue;
    const char next = locale_name.size() > prefix.size() ? locale_name[prefix.size()] : '\0';
    if (next == '\0' || next == '_' || next == '.' || next == '@') return &row;
  }
  return nullptr;
}

// The locale that governs messages: LC_ALL, then LC_MESSAGES, then LANG.
std::string MessagesLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return value;
  }
  return "";
}

class EnvLocale final : public Locale {
 public:
  int UserUiLanguage() override { return LanguageIdOfLocale(MessagesLocale()); }
  std::string SystemCodePage() override { return CodePageOfLocale(MessagesLocale()); }
};

}  // namespace

int LanguageIdOfLocale(const std::string& locale_name) {
  // A language without its own identifier gets the "custom, unspecified" one.
  constexpr int kUnspecifiedLanguage = 4096;
  const LanguageRow* row = FindLanguage(locale_name);
  return row ? row->language_id : kUnspecifiedLanguage;
}

std::string CodePageOfLocale(const std::string& locale_name) {
  const LanguageRow* row = FindLanguage(locale_name);
  return row ? row->code_page : "CP1252";
}

template <>
std::shared_ptr<Locale> MakeRealBackend<Locale>() {
  return std::make_shared<EnvLocale>();
}

}  // namespace platform
