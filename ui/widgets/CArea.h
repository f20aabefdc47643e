#pragma once

#include "ui/core/Color.h"
#include "ui/core/MControl.h"

namespace LumoUI {

// A filled rectangle used as a background strip or a separator. With a fade (either percentage
// not 0) the colour is laid over what is below it, row by row from `from` percent transparency
// at the top to `to` percent at the bottom; 80/80 is a uniform 20 % veil.
class CArea : public MControl {
 public:
  CArea(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  void SetTransparent(int from, int to, COLORREF colour);
  // A 1-pixel border in another colour.
  void SetFrame(int on, COLORREF colour);
  void SetColor(COLORREF colour);
  COLORREF GetColor() const { return colour_; }

  void DrawControl(platform::Painter& painter, CRect clip) override;

  // The alpha of row `row` of `rows` for a fade from `from` to `to` percent.
  static int RowAlpha(int from, int to, int row, int rows);

 private:
  COLORREF colour_ = RGB(255, 255, 255);
  int from_ = 80;
  int to_ = 80;
  int frame_ = 0;
  COLORREF frame_colour_ = RGB(0, 0, 0);
};

}  // namespace LumoUI
