#include "ui/widgets/MLevelCtrl.h"

#include <algorithm>

#include "ui/core/Notifications.h"

namespace LumoUI {

MLevelCtrl::MLevelCtrl(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
  SetImageCount(2);
}

void MLevelCtrl::SetLevelCount(int count) {
  count_ = std::max(1, count);
  level_ = std::min(level_, count_);
  UpdateControl(0, 0);
}

int MLevelCtrl::SetLevel(int level) {
  level = std::clamp(level, 0, count_);
  if (level != level_) {
    level_ = level;
    UpdateControl(0, 0);
  }
  return level_;
}

CRect MLevelCtrl::BlockRect(int index) const {
  const CRect rect = GetRect();
  const int width = std::max(1, (rect.Width() - kGap * (count_ - 1)) / count_);
  const int left = rect.left + index * (width + kGap);
  return {left, rect.top, left + width, rect.bottom};
}

int MLevelCtrl::LevelAt(CPoint point) const {
  for (int i = 0; i < count_; ++i) {
    if (BlockRect(i).PtInRect(point)) return i + 1;
  }
  return 0;
}

int MLevelCtrl::OnControlMouseMove(unsigned, CPoint point) {
  const int hover = IsEnabled() ? LevelAt(point) : 0;
  if (hover != hover_) {
    hover_ = hover;
    UpdateControl(0, 0);
  }
  return GetRect().PtInRect(point);
}

int MLevelCtrl::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  const int level = LevelAt(point);
  if (level == 0) return 0;
  SetLevel(level);
  SendMessageW(NOTIFY_CLICKED, static_cast<unsigned>(level), 0);
  return 1;
}

void MLevelCtrl::DrawControl(platform::Painter& painter, CRect) {
  for (int i = 0; i < count_; ++i) {
    const bool lit = i < level_ || i < hover_;
    const CRect block = BlockRect(i);
    if (GetImageInfo()) {
      DrawImageFrame(painter, lit ? 1 : 0, block);
    } else {
      painter.FillRect(block.ToPlatform(), !IsEnabled() ? 0xFF505050
                                           : lit        ? 0xFF10A8FD
                                                        : 0xFF3A4250);
    }
  }
}

}  // namespace LumoUI
