#include "ui/widgets/MProgress.h"

#include <algorithm>

namespace LumoUI {

MProgress::MProgress(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
  SetImageCount(2);
  horizontal_alignment_ = AlignCenter;
}

int MProgress::SetProgress(int value) {
  value = std::clamp(value, 0, max_);
  if (value != value_) {
    value_ = value;
    UpdateControl(0, 0);
  }
  return value_;
}

void MProgress::SetMaxProgress(int max) {
  max_ = std::max(1, max);
  SetProgress(value_);
  UpdateControl(0, 0);
}

int MProgress::FilledRight() const {
  const CRect rect = GetRect();
  return rect.left + static_cast<int>(static_cast<long long>(value_) * rect.Width() / max_);
}

void MProgress::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  const CRect filled(rect.left, rect.top, FilledRight(), rect.bottom);
  if (const auto& image = GetImageInfo(); image && image->count > 1) {
    DrawImageFrame(painter, 0, rect);
    painter.Save();
    painter.ClipTo(filled.ToPlatform());
    DrawImageFrame(painter, 1, rect);
    painter.Restore();
  } else {
    painter.FillRect(rect.ToPlatform(), 0xFF3A4250);
    painter.FillRect(filled.ToPlatform(), IsEnabled() ? 0xFF10A8FD : 0xFF808080);
  }
  if (!GetTitle().empty()) DrawTitle(painter, rect, GetTextColor());
}

}  // namespace LumoUI
