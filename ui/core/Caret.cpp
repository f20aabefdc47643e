#include "ui/core/Caret.h"

#include "ui/core/MControlFont.h"

namespace LumoUI {

CRect Caret::Move(MControlFont* owner, int x, int y) {
  const CRect old = Rect();
  owner_ = owner;
  x_ = x;
  y_ = y;
  return old;
}

void Caret::Draw(platform::Painter& painter, bool focused) const {
  if (!shown_ || !phase_ || !owner_ || !focused) return;
  const uint32_t colour = (owner_->GetTextColor().argb & 0x00FFFFFF) | 0xFE000000;
  painter.FillRect(Rect().ToPlatform(), colour);
}

}  // namespace LumoUI
