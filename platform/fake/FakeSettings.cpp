#include "platform/fake/FakeSettings.h"

#include "platform/Text.h"

namespace platform {

void FakeSettings::SetBroken(bool broken) {
  std::lock_guard lock(mutex_);
  broken_ = broken;
}

Settings::KeyStatus FakeSettings::OpenKey(const std::wstring& key_path) {
  std::lock_guard lock(mutex_);
  if (broken_) return KeyStatus::Failed;
  return keys_.try_emplace(key_path).second ? KeyStatus::Created : KeyStatus::Opened;
}

bool FakeSettings::KeyExists(const std::wstring& key_path) {
  std::lock_guard lock(mutex_);
  return !broken_ && keys_.contains(key_path);
}

std::optional<std::wstring> FakeSettings::ReadValue(const std::wstring& key_path,
                                                    const std::wstring& name) {
  std::lock_guard lock(mutex_);
  if (broken_) return std::nullopt;
  const auto key = keys_.find(key_path);
  if (key == keys_.end()) return std::nullopt;
  const auto value = key->second.find(AsciiLower(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second;
}

bool FakeSettings::WriteValue(const std::wstring& key_path, const std::wstring& name,
                              const std::wstring& value) {
  std::lock_guard lock(mutex_);
  if (broken_ || name.empty()) return false;
  keys_[key_path][AsciiLower(name)] = value;
  return true;
}

bool FakeSettings::DeleteValue(const std::wstring& key_path, const std::wstring& name) {
  std::lock_guard lock(mutex_);
  if (broken_) return false;
  const auto key = keys_.find(key_path);
  if (key != keys_.end()) key->second.erase(AsciiLower(name));
  return true;
}

std::optional<std::wstring> FakeSettings::ReadAutostart(const std::wstring& name) {
  std::lock_guard lock(mutex_);
  const auto entry = autostart_.find(name);
  if (broken_ || entry == autostart_.end()) return std::nullopt;
  return entry->second;
}

bool FakeSettings::WriteAutostart(const std::wstring& name, const std::wstring& command) {
  std::lock_guard lock(mutex_);
  if (broken_) return false;
  autostart_[name] = command;
  return true;
}

bool FakeSettings::DeleteAutostart(const std::wstring& name) {
  std::lock_guard lock(mutex_);
  if (broken_) return false;
  autostart_.erase(name);
  return true;
}

}  // namespace platform
