#include "ui/core/MRender.h"

#include <algorithm>

namespace LumoUI {

void MRender::DrawImageFrame(platform::Painter& painter, const platform::Image& image,
                             const CRect& dest, int sx, int sy, int sw, int sh, int border) {
  DrawImageFrameMID(painter, image, dest, sx, sy, sw, sh, border, border, border, border);
}

void MRender::DrawImageFrameMID(platform::Painter& painter, const platform::Image& image,
                                const CRect& dest, int sx, int sy, int sw, int sh, int left,
                                int top, int right, int bottom) {
  if (image.IsEmpty() || dest.IsRectEmpty() || sw <= 0 || sh <= 0) return;
  // Borders never exceed the source or the destination; what is left becomes the middle.
  left = std::clamp(left, 0, std::min(sw, dest.Width()) / 2);
  right = std::clamp(right, 0, std::min(sw, dest.Width()) / 2);
  top = std::clamp(top, 0, std::min(sh, dest.Height()) / 2);
  bottom = std::clamp(bottom, 0, std::min(sh, dest.Height()) / 2);

  const int src_x[] = {sx, sx + left, sx + sw - right, sx + sw};
  const int src_y[] = {sy, sy + top, sy + sh - bottom, sy + sh};
  const int dst_x[] = {dest.left, dest.left + left, dest.right - right, dest.right};
  const int dst_y[] = {dest.top, dest.top + top, dest.bottom - bottom, dest.bottom};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const platform::Rect source{src_x[column], src_y[row], src_x[column + 1], src_y[row + 1]};
      const platform::Rect target{dst_x[column], dst_y[row], dst_x[column + 1], dst_y[row + 1]};
      if (source.IsEmpty() || target.IsEmpty()) continue;
      painter.DrawImage(image, source, target);
    }
  }
}

}  // namespace LumoUI
