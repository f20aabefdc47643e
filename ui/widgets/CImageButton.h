#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// A push button that can show its tooltip as a balloon beside the window instead of the
// ordinary tip; the balloon itself belongs to the keyboard tips window.
class CImageButton : public MButton {
 public:
  using MButton::MButton;

  void EnableBalloonTip(int on) { balloon_tip_ = on; }
  int IsBalloonTip() const { return balloon_tip_; }

 private:
  int balloon_tip_ = 0;
};

}  // namespace LumoUI
