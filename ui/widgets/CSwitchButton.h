#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// An on/off switch. Its image holds the off look in its first half of frames and the on look
// in the second; without one it draws a track and a knob. A click flips it and sends code 2
// with the new state in lParam.
class CSwitchButton : public MButton {
 public:
  CSwitchButton(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  void SetSwitch(int on);
  int GetSwitch() const { return on_; }

 protected:
  void OnClicked() override;
  long ClickLParam() const override { return on_; }
  void DrawFace(platform::Painter& painter) override;
  void DrawLabel(platform::Painter&) override {}

 private:
  int on_ = 0;
};

}  // namespace LumoUI
