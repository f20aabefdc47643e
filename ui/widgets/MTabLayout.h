#pragma once

#include "ui/widgets/MPanel.h"

namespace LumoUI {

// A page of a tab strip: a container the strip shows while its tab is selected.
class MTabLayout : public MPanel {
 public:
  MTabLayout(MObject* parent, unsigned id, CRect rect, int visible)
      : MPanel(parent, id, rect, visible, 1) {}
};

}  // namespace LumoUI
