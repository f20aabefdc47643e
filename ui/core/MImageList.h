#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/Painter.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

// One picture of an image list: `count` equal frames side by side.
struct ImageListItem {
  std::shared_ptr<const platform::Image> image;
  int frame_width = 0;
  int height = 0;
  int id = 0;
  int count = 1;
  std::wstring path;
};

// A small ordered list of pictures (list rows, icons) loaded from paths used as given, not from
// the skin folder. Safe to use from several threads.
class MImageList {
 public:
  // Appends the picture; its index, or -1 without a path or when it cannot be decoded.
  int AddImage(const wchar_t* path, int id, int count);
  // Inserts before `index` (-1 appends); -1 for an index outside the list or a picture that
  // cannot be decoded.
  int InsertImage(int index, const wchar_t* path, int id, int count);
  // Draws the first frame of the item stretched into `rect`; nothing for a bad index.
  void DrawItemIcon(platform::Painter& painter, CRect rect, int index);

  void SetDrawImgSize(CSize size);
  CSize GetIconSize() const;
  std::optional<ImageListItem> GetItemImageData(int index) const;
  std::optional<ImageListItem> GetImageDataByID(int id) const;
  std::wstring GetImagePath(int index) const;
  std::wstring GetImagePathByID(int id) const;
  int GetImageCount() const;
  void DelAllImages();

 private:
  const ImageListItem* FindByID(int id) const;  // mutex_ held

  mutable std::mutex mutex_;
  std::vector<ImageListItem> items_;
  CSize draw_size_;
};

}  // namespace LumoUI
