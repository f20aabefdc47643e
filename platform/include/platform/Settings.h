#pragma once

#include <optional>
#include <string>

namespace platform {

// The per-user settings store: the program's stand-in for the HKEY_CURRENT_USER registry hive.
// Keys are backslash-separated paths ("SOFTWARE\\Keyvane"), values are named texts (the program
// stores decimal numbers as text). The "start with the session" entry replaces the Run key.
class Settings {
 public:
  enum class KeyStatus { Opened, Created, Failed };

  virtual ~Settings() = default;

  // Opens a key, creating it and any missing parents. Failed when the store cannot hold it.
  virtual KeyStatus OpenKey(const std::wstring& key_path) = 0;
  virtual bool KeyExists(const std::wstring& key_path) = 0;

  // The value's text, or nothing when the key or the value is missing. Value names ignore case.
  virtual std::optional<std::wstring> ReadValue(const std::wstring& key_path,
                                                const std::wstring& name) = 0;
  // Stores a value, creating the key when missing. False when nothing could be written.
  virtual bool WriteValue(const std::wstring& key_path, const std::wstring& name,
                          const std::wstring& value) = 0;
  // True when the value is gone afterwards (also when it never existed).
  virtual bool DeleteValue(const std::wstring& key_path, const std::wstring& name) = 0;

  // Programs started with the user's session, by entry name (the Run key's values).
  virtual std::optional<std::wstring> ReadAutostart(const std::wstring& name) = 0;
  virtual bool WriteAutostart(const std::wstring& name, const std::wstring& command) = 0;
  virtual bool DeleteAutostart(const std::wstring& name) = 0;
};

}  // namespace platform
