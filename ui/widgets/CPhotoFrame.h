#pragma once

#include "ui/widgets/MPicture.h"

namespace LumoUI {

// A picture inside a 1-pixel frame that lights up under the mouse; a press sends code 1.
class CPhotoFrame : public MPicture {
 public:
  using MPicture::MPicture;

  void SetFrameColor(Color normal, Color hover);
  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;

 private:
  Color normal_{0xFF3A4250};
  Color hover_{0xFF10A8FD};
  bool hovered_ = false;
};

}  // namespace LumoUI
