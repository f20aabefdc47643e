#include "app/shell/Startup.h"

#include "app/shell/CurrentLanguage.h"
#include "app/shell/StoredLanguage.h"
#include "app/xml/XmlDocument.h"
#include "platform/Backend.h"
#include "platform/Folders.h"
#include "platform/Locale.h"
#include "platform/Text.h"
#include "ui/core/Manager.h"

bool ReadConfigurationName(const std::filesystem::path& config_file) {
  XmlDocument document;
  if (document.Load(config_file) != XmlDocument::LoadResult::Ok) return false;
  if (!document.FindElem(L"config") || !document.IntoElem()) return false;
  if (!document.FindElem(L"software") || !document.HasAttrib(L"name")) return false;
  const std::wstring name = document.GetAttrib(L"name");
  if (name.empty()) return false;  // an empty name would leave the program nameless
  LumoUI::Manager::SetDeviceName(name);
  return true;
}

int ChooseLanguage(bool* was_stored) {
  int language = ReadStoredLanguage();
  if (was_stored) *was_stored = language != 0;
  if (language == 0) {
    language = platform::Get<platform::Locale>().UserUiLanguage() == kLanguageEnglish
                   ? kLanguageEnglish
                   : kLanguageChinese;
    WriteStoredLanguage(language);
  }
  SetCurrentLanguage(language);
  return language;
}

std::filesystem::path DataFolder() {
  return platform::Get<platform::Folders>().LocalDataFolder() /
         platform::SafeFileName(LumoUI::Manager::GetDeviceName() + L" Files");
}

StartupState StartUp() {
  StartupState state;
  state.config_file = platform::Get<platform::Folders>().ProgramFolder() / "config.xml";
  state.config_name_read = ReadConfigurationName(state.config_file);
  state.device_name = LumoUI::Manager::GetDeviceName();

  state.instance =
      platform::Get<platform::InstanceLock>().Acquire(state.device_name, state.instance_holder);
  if (state.IsSecondInstance()) return state;

  state.language = ChooseLanguage(&state.language_was_stored);

  state.data_folder = DataFolder();
  state.database_folder_ready = platform::EnsureFolder(state.data_folder / "db");
  return state;
}
