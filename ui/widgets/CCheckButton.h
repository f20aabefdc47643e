#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// A check box: an 8-frame image (frames 0 to 3 the off look, 4 to 7 the on look, each by
// button state) with its title to the right. A click toggles it and sends code 2; Space toggles
// it while it has the focus and sends code 7 with the new state.
class CCheckButton : public MButton {
 public:
  CCheckButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
               int enabled);

  // Changes nothing on a disabled box; returns the check in force.
  virtual int SetCheck(int check);
  int GetCheck() const { return check_; }

  int SetControlFocus(int focus) override;
  int OnControlKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers) override;

 protected:
  void DrawFace(platform::Painter& painter) override;
  void DrawLabel(platform::Painter& painter) override;
  int ImageFrame() const override { return GetState() + (check_ ? 4 : 0); }
  void OnClicked() override;
  // The check a click or Space leads to.
  virtual int NextCheck() const { return !check_; }
  void StoreCheck(int check);
  CRect BoxRect() const;

 private:
  int check_ = 0;
};

}  // namespace LumoUI
