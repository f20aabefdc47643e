#include "app/shell/StoredExitMode.h"

#include "app/shell/StoredLanguage.h"
#include "app/text/Numbers.h"
#include "platform/Backend.h"
#include "platform/Settings.h"

int ReadExitMode() {
  auto& settings = platform::Get<platform::Settings>();
  if (settings.OpenKey(ProgramSettingsKey()) != platform::Settings::KeyStatus::Opened) return 0;
  const auto value = settings.ReadValue(ProgramSettingsKey(), L"exit_mode");
  return value ? LeadingDecimal(*value) : 0;
}
