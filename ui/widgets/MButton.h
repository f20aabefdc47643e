#pragma once

#include <memory>
#include <string>

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A push button drawn from an image strip of four equal frames (normal, hover, pressed,
// disabled) with an optional icon and a centred title. Every push-style button shares its state
// machine: code 1 on a press inside, code 2 on a release inside after that press.
class MButton : public MControlFont {
 public:
  enum State : int { StateNormal = 0, StateHover = 1, StatePressed = 2, StateDisabled = 3 };
  // The disabled title colour.
  static constexpr uint32_t kDisabledTitle = 0xFF808080;

  MButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible, int enabled);

  int GetState() const { return state_; }
  // An icon strip drawn left of the title, one frame per state when it has four.
  bool SetIconImage(const wchar_t* name, int count);

  void DrawControl(platform::Painter& painter, CRect clip) override;
  void SetControlEnabled(int enabled) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;

 protected:
  // The border of the nine-part frame used when a frame does not match the button's size.
  virtual int FrameBorder() const { return 10; }
  // Draws the face of the current state; the title follows.
  virtual void DrawFace(platform::Painter& painter);
  virtual void DrawLabel(platform::Painter& painter);
  // Called on a release inside after a press, before code 2 is sent.
  virtual void OnClicked() {}
  // The lParam code 2 carries.
  virtual long ClickLParam() const { return 0; }
  // The frame of the image strip drawn for the current look.
  virtual int ImageFrame() const { return state_; }
  void SetState(int state);
  // Draws frame `frame` of the control's image over `dest`: unscaled when it fits, else as a
  // nine-part frame with FrameBorder().
  void DrawStripFrame(platform::Painter& painter, int frame, const CRect& dest);
  bool IsHeld() const { return held_; }

 private:
  int state_ = StateNormal;
  bool held_ = false;
  std::shared_ptr<const ImgResInfo> icon_;
};

}  // namespace LumoUI
