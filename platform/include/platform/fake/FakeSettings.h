#pragma once

#include <map>
#include <mutex>

#include "platform/Settings.h"

namespace platform {

// An in-memory settings store. SetBroken(true) makes every key unopenable and every write fail,
// like a registry hive the user may not touch.
class FakeSettings final : public Settings {
 public:
  void SetBroken(bool broken);

  KeyStatus OpenKey(const std::wstring& key_path) override;
  bool KeyExists(const std::wstring& key_path) override;
  std::optional<std::wstring> ReadValue(const std::wstring& key_path,
                                        const std::wstring& name) override;
  bool WriteValue(const std::wstring& key_path, const std::wstring& name,
                  const std::wstring& value) override;
  bool DeleteValue(const std::wstring& key_path, const std::wstring& name) override;
  std::optional<std::wstring> ReadAutostart(const std::wstring& name) override;
  bool WriteAutostart(const std::wstring& name, const std::wstring& command) override;
  bool DeleteAutostart(const std::wstring& name) override;

 private:
  std::mutex mutex_;
  bool broken_ = false;
  // key path -> (lower-case value name -> value)
  std::map<std::wstring, std::map<std::wstring, std::wstring>> keys_;
  std::map<std::wstring, std::wstring> autostart_;
};

}  // namespace platform
