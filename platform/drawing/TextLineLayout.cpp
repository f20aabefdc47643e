#include "platform/TextLineLayout.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

TextLineLayout::TextLineLayout(const std::wstring& shown, const Font& font, int room,
                               TextAlign align, int scroll)
    : shown_(shown), font_(font), room_(room), align_(align), scroll_(scroll) {
  full_ = Width(static_cast<int>(shown_.size()));
}

int TextLineLayout::Width(int count) {
  if (count <= 0) return 0;
  return painter_.MeasureText(shown_.substr(0, count), font_).width;
}

int TextLineLayout::X(int index) {
  int origin = -scroll_;
  if (full_ <= room_) {
    if (align_ == TextAlign::Center) origin = (room_ - full_) / 2;
    if (align_ == TextAlign::Far) origin = room_ - full_;
  }
  return origin + Width(index);
}

int TextLineLayout::IndexAt(int x) {
  const int count = static_cast<int>(shown_.size());
  int best = 0;
  int best_distance = std::abs(X(0) - x);
  for (int index = 1; index <= count; ++index) {
    const int distance = std::abs(X(index) - x);
    if (distance < best_distance) best = index, best_distance = distance;
  }
  return best;
}

int TextLineLayout::ScrollFor(int index) {
  if (room_ <= 0 || full_ <= room_) return 0;
  const int caret = Width(index);
  int scroll = scroll_;
  if (caret - scroll < 0) scroll = caret;
  if (caret - scroll > room_ - 1) scroll = caret - room_ + 1;
  return std::clamp(scroll, 0, full_ - room_ + 1);
}

}  // namespace platform
