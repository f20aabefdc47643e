#pragma once

#include "ui/widgets/MSpinButton.h"

namespace LumoUI {

// The spin button the dialogs create by the name "CSpinButton"; it behaves as MSpinButton.
class CSpinButton : public MSpinButton {
 public:
  using MSpinButton::MSpinButton;
};

}  // namespace LumoUI
