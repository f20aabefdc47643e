#pragma once

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A picture: frame 0 of its image stretched over the control. Nothing is drawn without one.
class MPicture : public MControlFont {
 public:
  MPicture(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  void DrawControl(platform::Painter& painter, CRect clip) override;
};

}  // namespace LumoUI
