#include "ui/widgets/CCheckButton.h"

#include "platform/WindowMessages.h"
#include "ui/core/Notifications.h"

namespace LumoUI {

CCheckButton::CCheckButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title,
                           int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled) {
  horizontal_alignment_ = AlignLeft;
  SetImageCount(8);
}

int CCheckButton::SetCheck(int check) {
  if (!IsEnabled()) return check_;
  StoreCheck(check ? 1 : 0);
  return check_;
}

void CCheckButton::StoreCheck(int check) {
  if (check == check_) return;
  check_ = check;
  UpdateControl(0, 0);
}

void CCheckButton::OnClicked() {
  SetCheck(NextCheck());
}

int CCheckButton::SetControlFocus(int focus) {
  SetFocusedFlag(focus);
  return MButton::SetControlFocus(focus);
}

int CCheckButton::OnControlKeyDown(unsigned virtual_key, unsigned, unsigned modifiers) {
  // A click records the box as the window's focus control without calling SetControlFocus(1),
  // so either mark counts as having the focus.
  const bool focused = IsFocused() || IsFocusControl();
  if (virtual_key != platform::VK_SPACE || modifiers || !focused || !IsEnabled()) return 0;
  SetCheck(NextCheck());
  SendMessageW(NOTIFY_KEY_CHECKED, 0, check_);
  return 1;
}

CRect CCheckButton::BoxRect() const {
  const CRect rect = GetRect();
  const CSize frame = GetImageSize();
  const int side = frame.cx > 0 ? frame.cx : rect.Height();
  const int height = frame.cy > 0 ? frame.cy : rect.Height();
  const int top = rect.top + (rect.Height() - height) / 2;
  return {rect.left, top, rect.left + side, top + height};
}

void CCheckButton::DrawFace(platform::Painter& painter) {
  const CRect box = BoxRect();
  if (GetImageInfo()) {
    DrawStripFrame(painter, ImageFrame(), box);
    return;
  }
  // Without a skin: an outlined square, filled when checked.
  const uint32_t pen = GetState() == StateDisabled ? kDisabledTitle : 0xFF10A8FD;
  const CRect square = box.Deflate(std::max(1, box.Height() / 6));
  painter.RoundedRect(square.left + 0.5, square.top + 0.5, square.Width() - 1, square.Height() - 1,
                      2, 2, pen, 1, false, 0);
  if (check_) painter.FillRect(square.Deflate(3).ToPlatform(), pen);
}

void CCheckButton::DrawLabel(platform::Painter& painter) {
  CRect box = GetRect();
  box.left = BoxRect().right + 6;
  DrawTitle(painter, box, GetState() == StateDisabled ? Color(kDisabledTitle) : GetTextColor());
}

}  // namespace LumoUI
