#include "ui/core/Manager.h"

#include <mutex>

namespace LumoUI {
namespace {

std::mutex& NameMutex() {
  static std::mutex mutex;
  return mutex;
}

std::wstring& DeviceName() {
  static std::wstring name = L"Keyvane";
  return name;
}

}  // namespace

void Manager::SetDeviceName(const std::wstring& name) {
  std::lock_guard lock(NameMutex());
  DeviceName() = name;
}

std::wstring Manager::GetDeviceName() {
  std::lock_guard lock(NameMutex());
  return DeviceName();
}

}  // namespace LumoUI
