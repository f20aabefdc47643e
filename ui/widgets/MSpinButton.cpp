#include "ui/widgets/MSpinButton.h"

#include <algorithm>
#include <string>

#include "ui/core/Notifications.h"

namespace LumoUI {

MSpinButton::MSpinButton(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible, enabled) {}

void MSpinButton::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetValue(value_);
}

int MSpinButton::SetValue(int value) {
  value = std::clamp(value, min_, max_);
  if (value != value_) {
    value_ = value;
    UpdateControl(0, 0);
  }
  return value_;
}

CRect MSpinButton::UpArrowRect() const {
  const CRect rect = GetRect();
  return {rect.right - kArrowWidth, rect.top, rect.right, rect.top + rect.Height() / 2};
}

CRect MSpinButton::DownArrowRect() const {
  const CRect rect = GetRect();
  return {rect.right - kArrowWidth, rect.top + rect.Height() / 2, rect.right, rect.bottom};
}

void MSpinButton::StepBy(int steps) {
  const int before = value_;
  SetValue(static_cast<int>(std::clamp<long long>(
      static_cast<long long>(value_) + static_cast<long long>(steps) * step_, min_, max_)));
  if (value_ != before) SendMessageW(NOTIFY_SPIN_CHANGED, static_cast<unsigned>(value_), 0);
}

int MSpinButton::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  if (UpArrowRect().PtInRect(point)) {
    StepBy(1);
    return 1;
  }
  if (DownArrowRect().PtInRect(point)) {
    StepBy(-1);
    return 1;
  }
  return 0;
}

int MSpinButton::OnControlScroll(int, unsigned down, CPoint) {
  if (!IsEnabled()) return 0;
  StepBy(down ? -1 : 1);
  return 1;
}

void MSpinButton::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  painter.FillRect(rect.ToPlatform(), 0xFF061835);
  const uint32_t arrow = IsEnabled() ? 0xFF10A8FD : 0xFF808080;
  for (const bool up : {true, false}) {
    const CRect box = up ? UpArrowRect() : DownArrowRect();
    const double cx = box.left + box.Width() / 2.0, cy = box.top + box.Height() / 2.0;
    const double tip = up ? cy - 2 : cy + 2, base = up ? cy + 2 : cy - 2;
    painter.DrawLine(cx - 4, base, cx, tip, arrow, 1.5);
    painter.DrawLine(cx, tip, cx + 4, base, arrow, 1.5);
  }
  const CRect text(rect.left + 6, rect.top, rect.right - kArrowWidth, rect.bottom);
  painter.DrawText(std::to_wstring(value_), GetDrawFont(), text.ToPlatform(),
                   platform::TextAlign::Near, platform::TextAlign::Center,
                   IsEnabled() ? GetTextColor().argb : 0xFF808080);
}

}  // namespace LumoUI
