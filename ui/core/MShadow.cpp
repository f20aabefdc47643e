#include "ui/core/MShadow.h"

namespace LumoUI {
namespace {

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

}  // namespace

bool MShadow::SetSize(int size) {
  if (!InRange(size, -35, 35)) return false;
  size_ = size;
  return true;
}

bool MShadow::SetSharpness(int sharpness) {
  if (!InRange(sharpness, 0, 35)) return false;
  sharpness_ = sharpness;
  return true;
}

bool MShadow::SetDarkness(int darkness) {
  if (!InRange(darkness, 0, 255)) return false;
  darkness_ = darkness;
  return true;
}

bool MShadow::SetPosition(int x, int y) {
  if (!InRange(x, -35, 35) || !InRange(y, -35, 35)) return false;
  offset_x_ = x;
  offset_y_ = y;
  return true;
}

bool MShadow::SetShadowColor(COLORREF colour) {
  colour_ = colour & 0xFFFFFF;
  return true;
}

bool MShadow::SetShadowImage(const std::wstring& name, int left, int top, int right, int bottom) {
  if (name.empty() || left < 0 || top < 0 || right < 0 || bottom < 0) return false;
  image_ = name;
  return true;
}

bool MShadow::SetShadowShow(bool show) {
  shown_ = show;
  return true;
}

}  // namespace LumoUI
