#include "ui/widgets/MSlider.h"

#include <algorithm>

#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

MSlider::MSlider(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
  SetImageCount(2);
}

int MSlider::SetProgress(int value) {
  if (value < 0) return value_;
  value = std::clamp(value, min_, std::max(min_, max_));
  if (value != value_) {
    value_ = value;
    UpdateControl(0, 0);
  }
  return value_;
}

void MSlider::SetMinProgress(int min) {
  min_ = min;
  if (value_ < min_) SetProgress(min_);
}

void MSlider::SetMaxProgress(int max) {
  max_ = max;
  if (value_ > max_) SetProgress(std::max(min_, max_));
}

bool MSlider::SetThumbImage(const wchar_t* name) {
  if (!name || !GetManager()) return false;
  auto thumb = GetManager()->AddImgResInfo(name, 1);
  if (!thumb) return false;
  thumb_ = std::move(thumb);
  UpdateControl(0, 0);
  return true;
}

int MSlider::ValueAt(int x) const {
  const CRect rect = GetRect();
  if (rect.Width() <= 0 || max_ <= min_) return min_;
  const long long offset = static_cast<long long>(x - rect.left) * (max_ - min_ + 1) / rect.Width();
  return static_cast<int>(std::clamp<long long>(min_ + offset, min_, max_));
}

void MSlider::DragTo(int x) {
  const int value = ValueAt(x);
  if (value == value_) return;
  value_ = value;
  UpdateControl(0, 0);
  SendMessageW(NOTIFY_POSITION_CHANGING, static_cast<unsigned>(value_), 0);
}

int MSlider::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled() || !GetRect().PtInRect(point)) return 0;
  dragging_ = true;
  DragTo(point.x);
  return 1;
}

int MSlider::OnControlMouseMove(unsigned, CPoint point) {
  if (dragging_) DragTo(point.x);
  return GetRect().PtInRect(point);
}

int MSlider::OnControlLButtonUp(unsigned, CPoint) {
  if (!dragging_) return 0;
  dragging_ = false;
  SendMessageW(NOTIFY_CLICKED, static_cast<unsigned>(value_), 0);
  return 1;
}

int MSlider::OnControlScroll(int, unsigned down, CPoint) {
  if (!IsEnabled()) return 0;
  const int value = std::clamp(value_ + (down ? -1 : 1), min_, std::max(min_, max_));
  if (value != value_) {
    value_ = value;
    UpdateControl(0, 0);
  }
  SendMessageW(NOTIFY_CLICKED, static_cast<unsigned>(value_), 0);
  return 1;
}

void MSlider::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  const int span = std::max(1, max_ - min_);
  const int filled =
      rect.left + static_cast<int>(static_cast<long long>(value_ - min_) * rect.Width() / span);
  const auto& image = GetImageInfo();
  if (image) {
    DrawImageFrame(painter, 0, rect);
    if (image->count > 1) {
      painter.Save();
      painter.ClipTo({rect.left, rect.top, filled, rect.bottom});
      DrawImageFrame(painter, 1, rect);
      painter.Restore();
    }
  } else {
    const int mid = rect.top + rect.Height() / 2;
    painter.FillRect({rect.left, mid - 2, rect.right, mid + 2}, 0xFF3A4250);
    painter.FillRect({rect.left, mid - 2, filled, mid + 2}, IsEnabled() ? 0xFF10A8FD : 0xFF808080);
  }
  if (thumb_) {
    const int w = thumb_->frame_width, h = thumb_->height;
    const int left = std::clamp(filled - w / 2, rect.left, rect.right - w);
    const int top = rect.top + (rect.Height() - h) / 2;
    painter.DrawImage(*thumb_->image, {0, 0, w, h}, {left, top, left + w, top + h});
  }
}

}  // namespace LumoUI
