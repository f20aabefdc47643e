#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/Backend.h"
#include "platform/Folders.h"
#include "platform/Text.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

fs::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  return fs::temp_directory_path();
}

// An XDG variable counts only when it holds an absolute path.
fs::path XdgFolder(const char* variable, const fs::path& fallback) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return value;
  return fallback;
}

class XdgFolders final : public Folders {
 public:
  fs::path ProgramFolder() override {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path(error);
    return exe.parent_path();
  }

  fs::path LocalDataFolder() override {
    return XdgFolder("XDG_DATA_HOME", HomeFolder() / ".local" / "share");
  }

  fs::path ConfigFolder() override {
    return XdgFolder("XDG_CONFIG_HOME", HomeFolder() / ".config");
  }

  fs::path RuntimeFolder() override {
    const char* value = std::getenv("XDG_RUNTIME_DIR");
    if (value && value[0] == '/') return value;
    // Without a session runtime folder, use a private one in the temp folder, owned by us alone.
    const fs::path folder =
        fs::temp_directory_path() / ("keyvane-runtime-" + std::to_string(getuid()));
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid()) {
      chmod(folder.c_str(), 0700);
      return folder;
    }
    return HomeFolder() / ".cache" / "keyvane-runtime";
  }
};

}  // namespace

bool EnsureFolder(const fs::path& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  if (fs::is_directory(folder, error)) return true;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error);
}

fs::path FromWindowsName(std::wstring_view name) {
  std::wstring text(name);
  for (auto& c : text) {
    if (c == L'\\') c = L'/';
  }
  return fs::path(ToUtf8(text));
}

std::string SafeFileName(std::wstring_view name) {
  const std::string utf8 = ToUtf8(name);
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const bool unsafe =
        c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == '%' || (i == 0 && c == '.');
    if (unsafe) {
      static const char* hex = "0123456789ABCDEF";
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out.empty() ? std::string("%00") : out;
}

template <>
std::shared_ptr<Folders> MakeRealBackend<Folders>() {
  return std::make_shared<XdgFolders>();
}

}  // namespace platform
