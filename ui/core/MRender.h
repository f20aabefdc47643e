#pragma once

#include "platform/Image.h"
#include "platform/Painter.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

// Drawing operations the widgets share.
class MRender {
 public:
  // Draws the source rectangle (sx, sy, sw, sh) of `image` over `dest` as a nine-part frame:
  // corners of `border` pixels unscaled, edges stretched one way, the centre both ways.
  static void DrawImageFrame(platform::Painter& painter, const platform::Image& image,
                             const CRect& dest, int sx, int sy, int sw, int sh, int border);
  // The same with a border size per side.
  static void DrawImageFrameMID(platform::Painter& painter, const platform::Image& image,
                                const CRect& dest, int sx, int sy, int sw, int sh, int left,
                                int top, int right, int bottom);
};

}  // namespace LumoUI
