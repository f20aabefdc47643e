#include "ui/core/FontCache.h"

#include "platform/FontFiles.h"
#include "ui/core/FontFolder.h"
#include "ui/core/Manager.h"

namespace LumoUI {

std::wstring FontCache::AddTempFont(const std::wstring& name, const std::filesystem::path& path) {
  std::wstring family = platform::AddFontFile(path);
  if (family.empty() || name.empty()) return family;
  std::lock_guard lock(mutex_);
  families_[name] = family;
  return family;
}

std::wstring FontCache::FindTempFont(const std::wstring&) {
  const std::wstring name = Manager::GetFontName();
  std::lock_guard lock(mutex_);
  if (auto it = families_.find(name); it != families_.end()) return it->second;
  std::wstring family = FontFolder::ResolveFamily(name);
  families_.emplace(name, family);
  return family;
}

void FontCache::ClearTempFont() {
  std::lock_guard lock(mutex_);
  families_.clear();
}

}  // namespace LumoUI
