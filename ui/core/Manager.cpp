#include "ui/core/Manager.h"

#include <mutex>

namespace LumoUI {
namespace {

struct Settings {
  std::mutex mutex;
  std::wstring device_name = L"Keyvane";
  std::wstring font_name = L"SourceHanSansCN-Regular";
  int font_width = 14;
};

Settings& Shared() {
  static Settings settings;
  return settings;
}

}  // namespace

void Manager::SetDeviceName(const std::wstring& name) {
  std::lock_guard lock(Shared().mutex);
  Shared().device_name = name;
}

std::wstring Manager::GetDeviceName() {
  std::lock_guard lock(Shared().mutex);
  return Shared().device_name;
}

void Manager::SetFontName(const std::wstring& name) {
  std::lock_guard lock(Shared().mutex);
  Shared().font_name = name;
}

void Manager::SetFont(const std::wstring& name, int size) {
  std::lock_guard lock(Shared().mutex);
  Shared().font_name = name;
  if (size > 0) Shared().font_width = size;
}

std::wstring Manager::GetFontName() {
  std::lock_guard lock(Shared().mutex);
  return Shared().font_name;
}

int Manager::GetFontWidth() {
  std::lock_guard lock(Shared().mutex);
  return Shared().font_width;
}

}  // namespace LumoUI
