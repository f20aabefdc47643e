#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Where the program and the user's files live.
class Folders {
 public:
  virtual ~Folders() = default;

  // The folder of the running executable; config.xml, layouts and skins sit there.
  virtual std::filesystem::path ProgramFolder() = 0;
  // The per-user data folder ($XDG_DATA_HOME, else ~/.local/share).
  virtual std::filesystem::path LocalDataFolder() = 0;
  // The per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
  virtual std::filesystem::path ConfigFolder() = 0;
  // A private per-user folder for locks and sockets ($XDG_RUNTIME_DIR, else a private temp folder).
  virtual std::filesystem::path RuntimeFolder() = 0;
};

// Creates a folder with all missing parents; true when the folder exists afterwards.
bool EnsureFolder(const std::filesystem::path& folder);

// Turns a relative name written with backslashes ("icon\\icon_keyboard.png") into a path.
std::filesystem::path FromWindowsName(std::wstring_view name);

// Makes one path component out of an arbitrary name: separators, control characters, '%' and a
// leading dot are percent-encoded, so a name can never leave the folder it is placed in.
std::string SafeFileName(std::wstring_view name);

}  // namespace platform
