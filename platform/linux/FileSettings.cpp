// The settings store kept in files: every key is a folder under <config>/keyvane/settings, its
// values sit in a "values" file inside it, one "name=value" line each (UTF-8, with \\, \n, \r and
// \= escaped). Files are replaced atomically, so a crash leaves either the old or the new values.
#include <fstream>
#include <mutex>
#include <sstream>
#include <vector>

#include "platform/Backend.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Settings.h"
#include "platform/Text.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

using ValueList = std::vector<std::pair<std::wstring, std::wstring>>;

std::string Escape(std::wstring_view text) {
  std::string out;
  for (char c : ToUtf8(text)) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '=':
        out += "\\=";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Splits a line at its first unescaped '=' and unescapes both halves; false for a damaged line.
bool ParseLine(const std::string& line, std::wstring& name, std::wstring& value) {
  std::string parts[2];
  int part = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      c = next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else if (c == '=' && part == 0) {
      part = 1;
      continue;
    }
    parts[part] += c;
  }
  if (part == 0 || parts[0].empty()) return false;
  name = FromUtf8(parts[0]);
  value = FromUtf8(parts[1]);
  return true;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  return AsciiLower(a) == AsciiLower(b);
}

std::string DesktopQuote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '`' || c == '$' || c == '\\')
      out += "\\\\";  // shell escape, then string escape
    if (c == '\n') {
      out += ' ';
      continue;
    }
    out += c;
  }
  return out + "\"";
}

class FileSettings final : public Settings {
 public:
  KeyStatus OpenKey(const std::wstring& key_path) override {
    std::lock_guard lock(mutex_);
    const fs::path folder = KeyFolder(key_path);
    std::error_code error;
    if (fs::is_directory(folder, error)) return KeyStatus::Opened;
    return EnsureFolder(folder) ? KeyStatus::Created : KeyStatus::Failed;
  }

  bool KeyExists(const std::wstring& key_path) override {
    std::lock_guard lock(mutex_);
    std::error_code error;
    return fs::is_directory(KeyFolder(key_path), error);
  }

  std::optional<std::wstring> ReadValue(const std::wstring& key_path,
                                        const std::wstring& name) override {
    std::lock_guard lock(mutex_);
    for (const auto& [stored, value] : ReadValues(KeyFolder(key_path))) {
      if (SameName(stored, name)) return value;
    }
    return std::nullopt;
  }

  bool WriteValue(const std::wstring& key_path, const std::wstring& name,
                  const std::wstring& value) override {
    if (name.empty()) return false;
    std::lock_guard lock(mutex_);
    const fs::path folder = KeyFolder(key_path);
    if (!EnsureFolder(folder)) return false;
    ValueList values = ReadValues(folder);
    bool replaced = false;
    for (auto& [stored, old_value] : values) {
      if (SameName(stored, name)) {
        old_value = value;
        replaced = true;
      }
    }
    if (!replaced) values.emplace_back(name, value);
    return WriteValues(folder, values);
  }

  bool DeleteValue(const std::wstring& key_path, const std::wstring& name) override {
    std::lock_guard lock(mutex_);
    const fs::path folder = KeyFolder(key_path);
    ValueList values = ReadValues(folder);
    const auto removed =
        std::erase_if(values, [&](const auto& v) { return SameName(v.first, name); });
    return removed == 0 || WriteValues(folder, values);
  }

  std::optional<std::wstring> ReadAutostart(const std::wstring& name) override {
    std::lock_guard lock(mutex_);
    std::ifstream in(AutostartFile(name));
    std::string line;
    while (std::getline(in, line)) {
      static const std::string kKey = "X-Keyvane-Command=";
      if (line.rfind(kKey, 0) == 0) {
        std::wstring unused, command;
        if (ParseLine("c=" + line.substr(kKey.size()), unused, command)) return command;
      }
    }
    return std::nullopt;
  }

  bool WriteAutostart(const std::wstring& name, const std::wstring& command) override {
    std::lock_guard lock(mutex_);
    const fs::path file = AutostartFile(name);
    if (!EnsureFolder(file.parent_path())) return false;
    std::ostringstream out;
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=" << Escape(name) << "\n"
        << "Exec=" << DesktopQuote(ToUtf8(command)) << "\n"
        << "X-Keyvane-Command=" << Escape(command) << "\n"
        << "X-GNOME-Autostart-enabled=true\n";
    return WriteFileAtomically(file, out.str());
  }

  bool DeleteAutostart(const std::wstring& name) override {
    std::lock_guard lock(mutex_);
    std::error_code error;
    fs::remove(AutostartFile(name), error);
    return !fs::exists(AutostartFile(name), error);
  }

 private:
  static fs::path KeyFolder(const std::wstring& key_path) {
    fs::path folder = Get<Folders>().ConfigFolder() / "keyvane" / "settings";
    size_t start = 0;
    while (start <= key_path.size()) {
      size_t end = key_path.find(L'\\', start);
      if (end == std::wstring::npos) end = key_path.size();
      if (end > start) folder /= SafeFileName(key_path.substr(start, end - start));
      start = end + 1;
    }
    return folder;
  }

  static fs::path AutostartFile(const std::wstring& name) {
    return Get<Folders>().ConfigFolder() / "autostart" / (SafeFileName(name) + ".desktop");
  }

  // A missing or damaged file reads as the values that can still be made out of it.
  static ValueList ReadValues(const fs::path& folder) {
    ValueList values;
    std::ifstream in(folder / "values", std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      std::wstring name, value;
      if (ParseLine(line, name, value)) {
        std::erase_if(values, [&](const auto& v) { return SameName(v.first, name); });
        values.emplace_back(std::move(name), std::move(value));
      }
    }
    return values;
  }

  static bool WriteValues(const fs::path& folder, const ValueList& values) {
    std::string content;
    for (const auto& [name, value] : values)
      content += Escape(name) + "=" + Escape(value) + "\n";
    return WriteFileAtomically(folder / "values", content);
  }

  std::mutex mutex_;
};

}  // namespace

template <>
std::shared_ptr<Settings> MakeRealBackend<Settings>() {
  return std::make_shared<FileSettings>();
}

}  // namespace platform
