#include "ui/widgets/MButton.h"

#include "ui/core/MRender.h"
#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

MButton::MButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
                 int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1),
      state_(enabled ? StateNormal : StateDisabled) {
  horizontal_alignment_ = AlignCenter;
}

bool MButton::SetIconImage(const wchar_t* name, int count) {
  if (!name || !GetManager()) return false;
  auto icon = GetManager()->AddImgResInfo(name, count);
  if (!icon) return false;
  icon_ = std::move(icon);
  UpdateControl(1, 0);
  return true;
}

void MButton::SetState(int state) {
  if (state == state_) return;
  state_ = state;
  UpdateControl(0, 0);
}

void MButton::DrawStripFrame(platform::Painter& painter, int frame, const CRect& dest) {
  const auto& image = GetImageInfo();
  if (!image || frame < 0 || frame >= image->count) return;
  const int x = frame * image->frame_width;
  MRender::DrawImageFrame(painter, *image->image, dest, x, 0, image->frame_width, image->height,
                          FrameBorder());
}

void MButton::DrawControl(platform::Painter& painter, CRect) {
  DrawFace(painter);
  DrawLabel(painter);
}

void MButton::DrawFace(platform::Painter& painter) {
  const auto& image = GetImageInfo();
  // A strip with fewer frames than states shows its first frame for the missing ones.
  const int frame = image && ImageFrame() < image->count ? ImageFrame() : 0;
  DrawStripFrame(painter, frame, GetRect());
}

void MButton::DrawLabel(platform::Painter& painter) {
  CRect box = GetRect();
  if (icon_) {
    const int frame = state_ < icon_->count ? state_ : 0;
    const int top = box.top + (box.Height() - icon_->height) / 2;
    const CRect dest(box.left + 8, top, box.left + 8 + icon_->frame_width, top + icon_->height);
    painter.DrawImage(
        *icon_->image,
        {frame * icon_->frame_width, 0, (frame + 1) * icon_->frame_width, icon_->height},
        dest.ToPlatform());
    box.left = dest.right;
  }
  if (GetTitle().empty()) return;
  if (state_ == StatePressed) box = {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
  DrawTitle(painter, box, state_ == StateDisabled ? Color(kDisabledTitle) : GetTextColor());
}

void MButton::SetControlEnabled(int enabled) {
  MControlFont::SetControlEnabled(enabled);
  held_ = false;
  state_ = enabled ? StateNormal : StateDisabled;
}

int MButton::OnControlMouseMove(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  const bool inside = GetRect().PtInRect(point);
  if (!inside) {
    SetState(StateNormal);
  } else if (!held_) {
    SetState(StateHover);
  }
  return inside;
}

int MButton::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled() || !GetRect().PtInRect(point)) return 0;
  held_ = true;
  SetState(StatePressed);
  SendMessageW(NOTIFY_PRESSED, 0, 0);
  return 1;
}

int MButton::OnControlLButtonUp(unsigned, CPoint point) {
  held_ = false;
  if (!IsEnabled()) return 0;
  if (!GetRect().PtInRect(point)) {
    SetState(StateNormal);
    return 1;
  }
  const bool clicked = state_ == StatePressed;
  if (clicked) OnClicked();
  SetState(StateHover);
  if (clicked) SendMessageW(NOTIFY_CLICKED, 0, ClickLParam());
  return 1;
}

}  // namespace LumoUI
