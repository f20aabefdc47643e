#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <string>

namespace LumoUI {

// A window's font families by the names controls know them by: private families added from
// files, and installed families looked up once. Controls may ask from any thread.
class FontCache {
 public:
  // Adds the fonts of a file to the process and registers its first family under `name`;
  // returns the family, empty when the file holds no font.
  std::wstring AddTempFont(const std::wstring& name, const std::filesystem::path& path);
  // The family every text is drawn with: the one registered under the process font name
  // (Manager::GetFontName), else that family when installed, else the desktop's fallback.
  // `name` is not consulted: the library draws all text in one family.
  std::wstring FindTempFont(const std::wstring& name);
  void ClearTempFont();

 private:
  std::mutex mutex_;
  std::map<std::wstring, std::wstring> families_;
};

}  // namespace LumoUI
