#include "ui/widgets/MenuItem.h"

#include "ui/core/Manager.h"
#include "ui/core/Notifications.h"

namespace LumoUI {

MenuItem::MenuItem(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
                   int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {
  SetImageCount(4);
}

void MenuItem::SetCheck(int check) {
  if (check == check_) return;
  check_ = check;
  UpdateControl(0, 0);
}

int MenuItem::PreferredWidth() const {
  platform::Image scratch(1, 1);
  platform::Painter painter(scratch);
  const std::wstring title = const_cast<MenuItem*>(this)->GetTitle();
  return kIconColumn + painter.MeasureText(title, GetDrawFont()).width + kTextPadding;
}

void MenuItem::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  if (separator_) {
    const int y = rect.top + rect.Height() / 2;
    painter.FillRect({rect.left + 8, y, rect.right - 8, y + 1}, 0x60FFFFFF);
    return;
  }
  if (hover_ && IsEnabled()) painter.FillRect(rect.ToPlatform(), Manager::GetSelectColor().argb);
  const uint32_t colour = IsEnabled() ? GetTextColor().argb : 0xFF808080;
  if (const auto& icon = GetImageInfo()) {
    const int frame = !IsEnabled() ? 3 : pressed_ ? 2 : hover_ ? 1 : 0;
    const int top = rect.top + (rect.Height() - icon->height) / 2;
    const int left = rect.left + (kIconColumn - icon->frame_width) / 2;
    DrawImageFrame(painter, frame < icon->count ? frame : 0,
                   {left, top, left + icon->frame_width, top + icon->height});
  } else if (check_) {
    // A check mark where an icon would be.
    const double x = rect.left + kIconColumn / 2.0, y = rect.top + rect.Height() / 2.0;
    painter.DrawLine(x - 6, y, x - 2, y + 4, colour, 2);
    painter.DrawLine(x - 2, y + 4, x + 6, y - 5, colour, 2);
  }
  DrawTitle(painter, {rect.left + kIconColumn, rect.top, rect.right - kTextPadding, rect.bottom},
            Color(colour));
}

int MenuItem::OnControlMouseMove(unsigned, CPoint point) {
  const bool inside = !separator_ && GetRect().PtInRect(point);
  if (inside != hover_) {
    hover_ = inside;
    UpdateControl(0, 0);
  }
  return 0;
}

int MenuItem::OnControlLButtonDown(unsigned, CPoint point) {
  if (separator_ || !IsEnabled() || !GetRect().PtInRect(point)) return 0;
  pressed_ = true;
  UpdateControl(0, 0);
  return 1;
}

int MenuItem::OnControlLButtonUp(unsigned, CPoint point) {
  const bool clicked = pressed_ && IsEnabled() && GetRect().PtInRect(point);
  pressed_ = false;
  UpdateControl(0, 0);
  if (clicked) SendMessageW(NOTIFY_CLICKED, 0, static_cast<long>(GetControlID()));
  return clicked ? 1 : 0;
}

}  // namespace LumoUI
