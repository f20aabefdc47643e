#include "ui/widgets/CSwitchButton.h"

#include <algorithm>

namespace LumoUI {

CSwitchButton::CSwitchButton(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MButton(parent, id, rect, L"", visible, enabled) {
  SetImageCount(2);
}

void CSwitchButton::SetSwitch(int on) {
  if (!on == !on_) return;
  on_ = on ? 1 : 0;
  UpdateControl(0, 0);
}

void CSwitchButton::OnClicked() {
  on_ = !on_;
}

void CSwitchButton::DrawFace(platform::Painter& painter) {
  const CRect rect = GetRect();
  if (const auto& image = GetImageInfo()) {
    const int half = std::max(1, image->count / 2);
    const int look = image->count >= 2 ? (on_ ? half : 0) : 0;
    const int state = GetState() < half ? GetState() : 0;
    DrawStripFrame(painter, std::min(look + state, image->count - 1), rect);
    return;
  }
  const bool disabled = GetState() == StateDisabled;
  const uint32_t track = disabled ? 0xFF505050 : on_ ? 0xFF10A8FD : 0xFF3A4250;
  const double h = rect.Height();
  painter.RoundedRect(rect.left, rect.top, rect.Width(), h, h / 2, h / 2, 0, 0, true, track);
  const double knob = h - 4;
  const double x = on_ ? rect.right - 2 - knob : rect.left + 2;
  painter.RoundedRect(x, rect.top + 2, knob, knob, knob / 2, knob / 2, 0, 0, true,
                      disabled ? 0xFF808080 : 0xFFFFFFFF);
}

}  // namespace LumoUI
