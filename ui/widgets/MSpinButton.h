#pragma once

#include "ui/widgets/MPanel.h"

namespace LumoUI {

// A number with up and down arrows at its right: a press on an arrow or a wheel notch steps
// the value within min..max and sends code 28 with the new value.
class MSpinButton : public MPanel {
 public:
  static constexpr int kArrowWidth = 16;

  MSpinButton(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  void SetRange(int min, int max);
  int GetMin() const { return min_; }
  int GetMax() const { return max_; }
  void SetStep(int step) { step_ = step > 0 ? step : 1; }
  // Clamped to the range; returns the value in force. No notification.
  int SetValue(int value);
  int GetValue() const { return value_; }
  CRect UpArrowRect() const;
  CRect DownArrowRect() const;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlScroll(int bar, unsigned down, CPoint point) override;

 private:
  void StepBy(int steps);
  int min_ = 0;
  int max_ = 100;
  int step_ = 1;
  int value_ = 0;
};

}  // namespace LumoUI
