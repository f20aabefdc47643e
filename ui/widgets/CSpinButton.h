#pragma once

#include "ui/widgets/MRichEdit.h"

namespace LumoUI {

// A number in a digits-only rich edit with up and down arrows at its right. A press on an arrow
// or a wheel notch steps the value within min..max; a typed number counts when the edit closes,
// brought into the range. Each change of the value sends code 28 with it.
class CSpinButton : public MRichEdit {
 public:
  static constexpr int kArrowWidth = 16;

  CSpinButton(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  const wchar_t* GetClassNameW() override { return L"CSpinButton"; }

  void SetRange(int min, int max);
  int GetMin() const { return min_; }
  int GetMax() const { return max_; }
  void SetStep(int step) { step_ = step > 0 ? step : 1; }
  // Clamped to the range; returns the value in force. No notification.
  int SetValue(int value);
  int GetValue() const { return value_; }
  CRect UpArrowRect() const;
  CRect DownArrowRect() const;
  // The text area less the arrows.
  CRect GetTextRect() const override;
  void CloseEdit() override;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  // A quick second press on an arrow steps again.
  int OnControlLButtonDblClk(unsigned flags, CPoint point) override;
  int OnControlScroll(int bar, unsigned down, CPoint point) override;

 private:
  // Takes `value` (clamped) and sends code 28 when it differs from the one in force.
  void ChangeTo(long long value);
  int min_ = 0;
  int max_ = 100;
  int step_ = 1;
  int value_ = 0;
};

}  // namespace LumoUI
