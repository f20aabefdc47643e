#include "ui/widgets/CArea.h"

#include <algorithm>

namespace LumoUI {

CArea::CArea(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControl(parent, id, rect, visible, enabled, 1) {}

void CArea::SetTransparent(int from, int to, COLORREF colour) {
  from_ = std::clamp(from, 0, 100);
  to_ = std::clamp(to, 0, 100);
  colour_ = colour;
  UpdateControl(1, 0);
}

void CArea::SetFrame(int on, COLORREF colour) {
  frame_ = on;
  frame_colour_ = colour;
  UpdateControl(1, 0);
}

void CArea::SetColor(COLORREF colour) {
  colour_ = colour;
  UpdateControl(1, 0);
}

int CArea::RowAlpha(int from, int to, int row, int rows) {
  const int high = 255 - std::min(from, to) * 255 / 100;
  const int low = (100 - std::max(from, to)) * 255 / 100;
  const double step = rows > 0 ? double(high - low) / rows : 0;
  const int alpha = from < to ? int(high - row * step) : int(low + row * step);
  return alpha & 0xFF;
}

void CArea::DrawControl(platform::Painter& painter, CRect clip) {
  const CRect rect = GetRect();
  if (from_ == 0 && to_ == 0) {
    painter.FillRect(rect.ToPlatform(), ArgbFromColorRef(colour_));
  } else {
    // Only the rows inside the clip are blended; each row has its own alpha.
    const CRect visible = rect.Intersect(clip);
    for (int y = visible.top; y < visible.bottom; ++y) {
      const int alpha = RowAlpha(from_, to_, y - rect.top, rect.Height());
      painter.FillRect({visible.left, y, visible.right, y + 1},
                       ArgbFromColorRef(colour_, static_cast<uint8_t>(alpha)));
    }
  }
  if (frame_) {
    painter.RoundedRect(rect.left + 0.5, rect.top + 0.5, rect.Width() - 1, rect.Height() - 1, 0, 0,
                        ArgbFromColorRef(frame_colour_), 1, false, 0);
  }
}

}  // namespace LumoUI
