#include "ui/widgets/CSliderPicture.h"

#include <algorithm>

namespace LumoUI {

int CSliderPicture::GetMaxOffset() const {
  const auto& image = GetImageInfo();
  const CRect rect = GetRect();
  if (!image || image->height <= 0 || rect.Height() <= 0) return 0;
  // The width of image the control shows at its height.
  const int shown = rect.Width() * image->height / rect.Height();
  return std::max(0, image->image->Width() - shown);
}

void CSliderPicture::SetOffset(int offset) {
  offset = std::clamp(offset, 0, GetMaxOffset());
  if (offset == offset_) return;
  offset_ = offset;
  UpdateControl(0, 0);
}

void CSliderPicture::DrawControl(platform::Painter& painter, CRect) {
  const auto& image = GetImageInfo();
  const CRect rect = GetRect();
  if (!image || rect.Height() <= 0) return;
  const int shown = rect.Width() * image->height / rect.Height();
  const int left = std::min(offset_, GetMaxOffset());
  painter.DrawImage(*image->image, {left, 0, left + shown, image->height}, rect.ToPlatform());
}

}  // namespace LumoUI
