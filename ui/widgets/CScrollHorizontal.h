#pragma once

#include "ui/widgets/MScroll.h"

namespace LumoUI {

// The horizontal scroll bar of a container (id 2).
class CScrollHorizontal : public MScroll {
 public:
  CScrollHorizontal(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
      : MScroll(parent, id, rect, visible, enabled, false) {}
};

}  // namespace LumoUI
