#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// A small push button that opens help; it shows its tooltip as soon as the mouse is over it.
class CHelpButton : public MButton {
 public:
  using MButton::MButton;
};

}  // namespace LumoUI
