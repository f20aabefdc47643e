#include "ui/widgets/CPhotoFrame.h"

#include "ui/core/Notifications.h"

namespace LumoUI {

void CPhotoFrame::SetFrameColor(Color normal, Color hover) {
  normal_ = normal;
  hover_ = hover;
  UpdateControl(0, 0);
}

void CPhotoFrame::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  DrawImageFrame(painter, 0, rect.Deflate(1));
  painter.RoundedRect(rect.left + 0.5, rect.top + 0.5, rect.Width() - 1, rect.Height() - 1, 0, 0,
                      (hovered_ ? hover_ : normal_).argb, 1, false, 0);
}

int CPhotoFrame::OnControlMouseMove(unsigned, CPoint point) {
  const bool inside = GetRect().PtInRect(point);
  if (inside != hovered_) {
    hovered_ = inside;
    UpdateControl(0, 0);
  }
  return inside;
}

int CPhotoFrame::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled() || !GetRect().PtInRect(point)) return 0;
  SendMessageW(NOTIFY_PRESSED, 0, 0);
  return 1;
}

}  // namespace LumoUI
