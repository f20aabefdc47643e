#include "ui/widgets/MScroll.h"

#include <algorithm>

#include "ui/core/Notifications.h"
#include "ui/widgets/MPanel.h"

namespace LumoUI {

MScroll::MScroll(MObject* parent, unsigned id, CRect rect, int visible, int enabled, bool vertical)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1), vertical_(vertical) {
  SetImageCount(1);
}

void MScroll::SetRange(int content, int page) {
  content_ = std::max(0, content);
  page_ = std::max(0, page);
  SetPosition(position_);
  UpdateControl(0, 0);
}

int MScroll::GetMaxPosition() const {
  return std::max(0, content_ - page_);
}

int MScroll::SetPosition(int position) {
  position = std::clamp(position, 0, GetMaxPosition());
  if (position != position_) {
    position_ = position;
    UpdateControl(0, 0);
  }
  return position_;
}

int MScroll::TrackLength() const {
  return vertical_ ? GetRect().Height() : GetRect().Width();
}

CRect MScroll::ThumbRect() const {
  const CRect rect = GetRect();
  const int track = TrackLength();
  if (content_ <= 0 || content_ <= page_) return rect;
  const int length = std::clamp(static_cast<int>(static_cast<long long>(track) * page_ / content_),
                                kMinThumb, track);
  const int start = static_cast<int>(static_cast<long long>(track - length) * position_ /
                                     std::max(1, GetMaxPosition()));
  if (vertical_) return {rect.left, rect.top + start, rect.right, rect.top + start + length};
  return {rect.left + start, rect.top, rect.left + start + length, rect.bottom};
}

void MScroll::MoveTo(int position) {
  const int before = position_;
  SetPosition(position);
  if (position_ == before) return;
  if (auto* panel = dynamic_cast<MPanel*>(GetParantObject())) panel->OnScrollBarMoved(this);
  SendMessageW(NOTIFY_POSITION_CHANGING, static_cast<unsigned>(position_), 0);
}

int MScroll::OnControlMouseMove(unsigned, CPoint point) {
  const bool inside = GetRect().PtInRect(point);
  if (inside != hovered_) {
    hovered_ = inside;
    UpdateControl(0, 0);
  }
  if (dragging_) {
    const CRect thumb = ThumbRect();
    const int length = vertical_ ? thumb.Height() : thumb.Width();
    const int room = TrackLength() - length;
    const int start = Along(point) - grab_offset_ - (vertical_ ? GetRect().top : GetRect().left);
    if (room > 0) {
      MoveTo(static_cast<int>(static_cast<long long>(start) * GetMaxPosition() / room));
    }
  }
  return inside;
}

int MScroll::OnControlLButtonDown(unsigned, CPoint point) {
  if (!GetRect().PtInRect(point) || GetMaxPosition() == 0) return 0;
  const CRect thumb = ThumbRect();
  if (thumb.PtInRect(point)) {
    dragging_ = true;
    grab_offset_ = Along(point) - (vertical_ ? thumb.top : thumb.left);
  } else {
    // A press on the track moves one page towards the press.
    const bool before = Along(point) < (vertical_ ? thumb.top : thumb.left);
    MoveTo(position_ + (before ? -page_ : page_));
  }
  return 1;
}

int MScroll::OnControlLButtonUp(unsigned, CPoint) {
  dragging_ = false;
  return 1;
}

int MScroll::OnControlScroll(int, unsigned down, CPoint) {
  if (GetMaxPosition() == 0) return 0;
  MoveTo(position_ + (down ? MPanel::kWheelStep : -MPanel::kWheelStep));
  return 1;
}

void MScroll::DrawControl(platform::Painter& painter, CRect) {
  if (GetMaxPosition() == 0) return;
  const CRect thumb = ThumbRect();
  if (GetImageInfo()) {
    DrawImageFrame(painter, 0, thumb);
    return;
  }
  const double radius = kThickness / 2.0;
  painter.RoundedRect(thumb.left, thumb.top, thumb.Width(), thumb.Height(), radius, radius, 0, 0,
                      true, hovered_ || dragging_ ? 0xFF6A7688 : 0xFF3A4250);
}

}  // namespace LumoUI
