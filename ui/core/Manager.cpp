#include "ui/core/Manager.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/MWindow.h"

namespace LumoUI {
namespace {

constexpr uint32_t kVkF4 = 0x73;

struct Settings {
  std::mutex mutex;
  std::wstring device_name = L"Keyvane";
  std::wstring font_name = L"SourceHanSansCN-Regular";
  int font_width = 14;
  void* instance = nullptr;
  std::vector<MWindow*> windows;
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

void Manager::SetInstance(void* instance) {
  std::lock_guard lock(Shared().mutex);
  Shared().instance = instance;
}

void* Manager::GetInstance() {
  std::lock_guard lock(Shared().mutex);
  return Shared().instance;
}

void Manager::AddWnd(MWindow* window) {
  std::lock_guard lock(Shared().mutex);
  auto& windows = Shared().windows;
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) {
    windows.push_back(window);
  }
}

void Manager::DeleteWnd(MWindow* window) {
  std::lock_guard lock(Shared().mutex);
  std::erase(Shared().windows, window);
}

MWindow* Manager::FindWnd(platform::WindowId window) {
  if (!window) return nullptr;
  std::lock_guard lock(Shared().mutex);
  for (MWindow* candidate : Shared().windows) {
    if (candidate->GetSafeHwnd() == window) return candidate;
  }
  return nullptr;
}

int Manager::MessageLoop() {
  auto& windows = platform::Get<platform::Windows>();
  platform::WindowMessage message;
  while (windows.GetMessage(message)) {
    if (PreTranslateMessage(message)) continue;
    windows.Dispatch(message);
  }
  return static_cast<int>(message.wparam);
}

bool Manager::PreTranslateMessage(const platform::WindowMessage& message, MWindow* skip) {
  auto& windows = platform::Get<platform::Windows>();
  if (windows.IsKeyDown(platform::VK_MENU) && windows.IsKeyDown(kVkF4)) return true;
  // Only windows of the calling thread are handed messages here, and they outlive the call.
  MWindow* target = FindWnd(message.window);
  return target && target != skip && target->PreTranslateMessage(message);
}

}  // namespace LumoUI
