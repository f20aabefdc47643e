#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// A push button that repeats: while it is held, every tick of its timer sends code 2.
class CTimerButton : public MButton {
 public:
  static constexpr unsigned kRepeatKey = 1;

  CTimerButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
               int enabled);
  ~CTimerButton() override;

  void SetRepeatInterval(unsigned milliseconds) { interval_ms_ = milliseconds; }
  unsigned GetRepeatInterval() const { return interval_ms_; }

  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;
  int OnControlTimer() override;
  void SetControlEnabled(int enabled) override;

 private:
  void StopRepeat();
  unsigned interval_ms_ = 100;
  bool repeating_ = false;
};

}  // namespace LumoUI
