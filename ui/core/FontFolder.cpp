#include "ui/core/FontFolder.h"

#include <mutex>

#include "platform/Backend.h"
#include "platform/Folders.h"
#include "platform/FontFiles.h"

namespace LumoUI {

void FontFolder::AddPrivateFonts() {
  static std::once_flag once;
  std::call_once(once, [] {
    const auto folder = platform::Get<platform::Folders>().ProgramFolder() / "font";
    for (const char* file : {"SourceHanSansCN-Regular.otf", "Arial.ttf"})
      platform::AddFontFile(folder / file);
  });
}

std::wstring FontFolder::ResolveFamily(const std::wstring& name) {
  if (platform::IsFontFamilyAvailable(name)) return name;
  return platform::FallbackFontFamily();
}

}  // namespace LumoUI
