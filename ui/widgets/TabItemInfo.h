#pragma once

#include <memory>
#include <string>

#include "ui/core/Geometry.h"
#include "ui/core/ImageCache.h"

namespace LumoUI {

class MControl;

// One tab of an MTabCtrl. The program may read it and change its rectangles through
// MTabCtrl::GetItemInfo.
struct TabItemInfo {
  int visible = 1;
  std::shared_ptr<const ImgResInfo> icon;
  int icon_width = 0;  // one frame
  int icon_height = 0;
  int icon_count = 3;
  CRect rect;  // window coordinates
  std::wstring text;
  unsigned id = 0;
  // An optional button inside the tab, with its own hover and press state.
  CRect button_rect;
  int button_hover = 0;
  int button_pressed = 0;
  MControl* page = nullptr;
  // The width asked for when the tab was inserted (0: the strip's item width).
  int width = 0;
  std::wstring tooltip;
};

}  // namespace LumoUI
