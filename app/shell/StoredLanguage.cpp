#include "app/shell/StoredLanguage.h"

#include "app/shell/CurrentLanguage.h"
#include "app/text/Numbers.h"
#include "platform/Backend.h"
#include "platform/Settings.h"
#include "ui/core/Manager.h"

std::wstring ProgramSettingsKey() {
  return L"SOFTWARE\\" + LumoUI::Manager::GetDeviceName();
}

int ReadStoredLanguage() {
  auto& settings = platform::Get<platform::Settings>();
  switch (settings.OpenKey(ProgramSettingsKey())) {
    case platform::Settings::KeyStatus::Created:
      return 0;
    case platform::Settings::KeyStatus::Failed:
      return kLanguageEnglish;
    case platform::Settings::KeyStatus::Opened:
      break;
  }
  const auto value = settings.ReadValue(ProgramSettingsKey(), L"LCID");
  return value ? LeadingDecimal(*value) : 0;
}

void WriteStoredLanguage(int language) {
  platform::Get<platform::Settings>().WriteValue(ProgramSettingsKey(), L"LCID",
                                                 std::to_wstring(language));
}
