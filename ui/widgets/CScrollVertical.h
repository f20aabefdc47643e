#pragma once

#include "ui/widgets/MScroll.h"

namespace LumoUI {

// The vertical scroll bar of a container (id 1).
class CScrollVertical : public MScroll {
 public:
  CScrollVertical(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
      : MScroll(parent, id, rect, visible, enabled, true) {}
};

}  // namespace LumoUI
