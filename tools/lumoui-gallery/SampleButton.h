#pragma once

#include <string>

#include "ui/core/MControl.h"

// The gallery's own stand-in for a push button until the widget set lands: a rounded face that
// lights up under the pointer and reports code 2 when clicked.
class SampleButton : public LumoUI::MControl {
 public:
  static constexpr unsigned kClicked = 2;

  SampleButton(LumoUI::MObject* parent, unsigned id, LumoUI::CRect rect, std::wstring text);

  void DrawControl(platform::Painter& painter, LumoUI::CRect clip) override;
  int OnControlMouseMove(unsigned flags, LumoUI::CPoint point) override;
  int OnControlLButtonDown(unsigned flags, LumoUI::CPoint point) override;
  int OnControlLButtonUp(unsigned flags, LumoUI::CPoint point) override;

 private:
  std::wstring text_;
  bool hovered_ = false;
  bool pressed_ = false;
};
