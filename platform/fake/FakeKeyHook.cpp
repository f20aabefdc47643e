#include "platform/fake/FakeKeyHook.h"

namespace platform {

bool FakeKeyHook::Inject(const KeyHookEvent& event) {
  std::function<bool(const KeyHookEvent&)> handler;
  {
    std::lock_guard lock(mutex_);
    handler = handler_;
  }
  return handler && handler(event);
}

bool FakeKeyHook::IsInstalled() {
  std::lock_guard lock(mutex_);
  return static_cast<bool>(handler_);
}

void FakeKeyHook::SetKeyName(uint32_t scan_code, bool extended, std::wstring name) {
  std::lock_guard lock(mutex_);
  names_[{scan_code, extended}] = std::move(name);
}

bool FakeKeyHook::Install(std::function<bool(const KeyHookEvent&)> handler) {
  std::lock_guard lock(mutex_);
  handler_ = std::move(handler);
  return static_cast<bool>(handler_);
}

void FakeKeyHook::Uninstall() {
  std::lock_guard lock(mutex_);
  handler_ = nullptr;
}

std::wstring FakeKeyHook::KeyName(uint32_t scan_code, bool extended) {
  std::lock_guard lock(mutex_);
  const auto found = names_.find({scan_code, extended});
  return found == names_.end() ? std::wstring() : found->second;
}

}  // namespace platform
