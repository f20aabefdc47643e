#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Image.h"

namespace LumoUI {

// One decoded skin image, shared by every control of a window that names it. An image holds
// `count` equal frames side by side, one per visual state.
struct ImgResInfo {
  std::shared_ptr<const platform::Image> image;
  int frame_width = 0;
  int height = 0;
  int count = 1;
  std::wstring name;
};

// A window's skin images by file name, each decoded once. Controls may ask from any thread.
class ImageCache {
 public:
  // The cached entry for `name` (whatever count it was first loaded with), or the image loaded
  // from the skin folder; null when the file cannot be decoded (and nothing is cached, so a
  // later call tries again).
  std::shared_ptr<const ImgResInfo> Get(const std::wstring& name, int count);
  void Clear();

 private:
  std::mutex mutex_;
  std::map<std::wstring, std::shared_ptr<const ImgResInfo>> entries_;
};

}  // namespace LumoUI
