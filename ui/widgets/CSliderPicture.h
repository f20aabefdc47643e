#pragma once

#include "ui/widgets/MPicture.h"

namespace LumoUI {

// A picture wider than the control that slides: SetOffset shows the part starting that many
// image pixels from the left (clamped to what the image has), scaled to the control's height.
class CSliderPicture : public MPicture {
 public:
  using MPicture::MPicture;

  void SetOffset(int offset);
  int GetOffset() const { return offset_; }
  // The largest useful offset for the current image and size.
  int GetMaxOffset() const;

  void DrawControl(platform::Painter& painter, CRect clip) override;

 private:
  int offset_ = 0;
};

}  // namespace LumoUI
