#pragma once

#include <string>

#include "ui/core/Color.h"

namespace LumoUI {

// The settings of a drop shadow that may follow a dialog. Setters refuse values outside their
// ranges and keep the previous value. Nothing draws the shadow yet: no window uses one.
class MShadow {
 public:
  bool SetSize(int size);            // -35 to 35
  bool SetSharpness(int sharpness);  // 0 to 35
  bool SetDarkness(int darkness);    // 0 to 255
  bool SetPosition(int x, int y);    // -35 to 35 each
  bool SetShadowColor(COLORREF colour);
  bool SetShadowImage(const std::wstring& name, int left, int top, int right, int bottom);
  bool SetShadowShow(bool show);

  int GetSize() const { return size_; }
  int GetSharpness() const { return sharpness_; }
  int GetDarkness() const { return darkness_; }
  int GetOffsetX() const { return offset_x_; }
  int GetOffsetY() const { return offset_y_; }
  COLORREF GetShadowColor() const { return colour_; }
  bool IsShown() const { return shown_; }

 private:
  int size_ = 0;
  int sharpness_ = 5;
  int darkness_ = 200;
  int offset_x_ = 0;
  int offset_y_ = 0;
  COLORREF colour_ = 0;
  std::wstring image_;
  bool shown_ = false;
};

}  // namespace LumoUI
