#include "ui/widgets/CTextButton.h"

namespace LumoUI {

CTextButton::CTextButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title,
                         int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled),
      colours_{0xFFFFFFFF, 0xFF11A9FD, 0xFF0C7DBB, kDisabledTitle} {}

void CTextButton::SetTextButtonColor(Color normal, Color hover, Color pressed, Color disabled) {
  colours_[0] = normal;
  colours_[1] = hover;
  colours_[2] = pressed;
  colours_[3] = disabled;
  UpdateControl(0, 0);
}

Color CTextButton::GetStateColor(int state) const {
  return state >= 0 && state < 4 ? colours_[state] : colours_[0];
}

void CTextButton::DrawLabel(platform::Painter& painter) {
  DrawTitle(painter, GetRect(), GetStateColor(GetState()));
}

}  // namespace LumoUI
