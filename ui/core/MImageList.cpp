#include "ui/core/MImageList.h"

#include "ui/core/MRender.h"

namespace LumoUI {

int MImageList::AddImage(const wchar_t* path, int id, int count) {
  return InsertImage(-1, path, id, count);
}

int MImageList::InsertImage(int index, const wchar_t* path, int id, int count) {
  if (!path || !*path) return -1;
  {
    std::lock_guard lock(mutex_);
    if (index < -1 || index >= static_cast<int>(items_.size())) return -1;
  }
  // Decoding happens outside the lock; the index is checked again before inserting.
  auto image = MRender::LoadImageFromFile(path);
  if (!image) return -1;
  ImageListItem item;
  // A frame count below 1 would divide by zero; such a picture is one frame.
  item.count = count > 0 ? count : 1;
  item.frame_width = image->Width() / item.count;
  item.height = image->Height();
  item.id = id;
  item.path = path;
  item.image = std::move(image);

  std::lock_guard lock(mutex_);
  if (index == -1) {
    items_.push_back(std::move(item));
    return static_cast<int>(items_.size()) - 1;
  }
  if (index >= static_cast<int>(items_.size())) return -1;
  items_.insert(items_.begin() + index, std::move(item));
  return index;
}

void MImageList::DrawItemIcon(platform::Painter& painter, CRect rect, int index) {
  std::shared_ptr<const platform::Image> image;
  int frame_width = 0;
  {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    image = items_[index].image;
    frame_width = items_[index].frame_width;
  }
  if (!image || frame_width <= 0) return;
  painter.DrawImage(*image, {0, 0, frame_width, image->Height()}, rect.ToPlatform());
}

void MImageList::SetDrawImgSize(CSize size) {
  std::lock_guard lock(mutex_);
  draw_size_ = size;
}

CSize MImageList::GetIconSize() const {
  std::lock_guard lock(mutex_);
  return draw_size_;
}

std::optional<ImageListItem> MImageList::GetItemImageData(int index) const {
  std::lock_guard lock(mutex_);
  if (index < 0 || index >= static_cast<int>(items_.size())) return std::nullopt;
  return items_[index];
}

const ImageListItem* MImageList::FindByID(int id) const {
  for (const auto& item : items_) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

std::optional<ImageListItem> MImageList::GetImageDataByID(int id) const {
  std::lock_guard lock(mutex_);
  const ImageListItem* item = FindByID(id);
  return item ? std::optional(*item) : std::nullopt;
}

std::wstring MImageList::GetImagePath(int index) const {
  std::lock_guard lock(mutex_);
  if (index < 0 || index >= static_cast<int>(items_.size())) return {};
  return items_[index].path;
}

std::wstring MImageList::GetImagePathByID(int id) const {
  std::lock_guard lock(mutex_);
  const ImageListItem* item = FindByID(id);
  return item ? item->path : std::wstring();
}

int MImageList::GetImageCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(items_.size());
}

void MImageList::DelAllImages() {
  std::lock_guard lock(mutex_);
  items_.clear();
}

}  // namespace LumoUI
