#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/Geometry.h"

namespace LumoUI {

struct CPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const CPoint&) const = default;
};

struct CSize {
  int32_t cx = 0;
  int32_t cy = 0;
  bool operator==(const CSize&) const = default;
};

// Client coordinates of a window; right and bottom are exclusive.
struct CRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  CRect() = default;
  CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
  explicit CRect(const platform::Rect& r) : CRect(r.left, r.top, r.right, r.bottom) {}
  platform::Rect ToPlatform() const { return {left, top, right, bottom}; }

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // Whether the two rectangles share at least one pixel.
  bool Meets(const CRect& other) const { return !Intersect(other).IsRectEmpty(); }
  CRect Intersect(const CRect& other) const {
    CRect r(std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom));
    return r.IsRectEmpty() ? CRect() : r;
  }
  CRect Union(const CRect& other) const {
    if (IsRectEmpty()) return other;
    if (other.IsRectEmpty()) return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  CRect Deflate(int32_t by) const { return {left + by, top + by, right - by, bottom - by}; }
  bool operator==(const CRect&) const = default;
};

}  // namespace LumoUI
