#include "ui/core/ImageCache.h"

#include "platform/Backend.h"
#include "platform/Folders.h"
#include "ui/core/Manager.h"

namespace LumoUI {

std::shared_ptr<const ImgResInfo> ImageCache::Get(const std::wstring& name, int count) {
  if (name.empty()) return nullptr;
  std::lock_guard lock(mutex_);
  if (auto it = entries_.find(name); it != entries_.end()) return it->second;

  const auto path = platform::Get<platform::Folders>().ProgramFolder() / "skins" /
                    platform::FromWindowsName(Manager::GetTheme() + name);
  auto image = platform::Image::LoadFile(path);
  if (!image) return nullptr;
  auto entry = std::make_shared<ImgResInfo>();
  // A frame count below 1 would divide by zero; such an image is one frame.
  entry->count = count > 0 ? count : 1;
  entry->frame_width = image->Width() / entry->count;
  entry->height = image->Height();
  entry->name = name;
  entry->image = std::move(image);
  entries_.emplace(name, entry);
  return entry;
}

void ImageCache::Clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

}  // namespace LumoUI
