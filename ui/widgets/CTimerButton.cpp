#include "ui/widgets/CTimerButton.h"

#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

CTimerButton::CTimerButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title,
                           int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled) {}

CTimerButton::~CTimerButton() {
  StopRepeat();
}

int CTimerButton::OnControlLButtonDown(unsigned flags, CPoint point) {
  const int taken = MButton::OnControlLButtonDown(flags, point);
  if (taken && GetManager()) repeating_ = GetManager()->SetTimer(this, kRepeatKey, interval_ms_);
  return taken;
}

int CTimerButton::OnControlLButtonUp(unsigned flags, CPoint point) {
  StopRepeat();
  return MButton::OnControlLButtonUp(flags, point);
}

int CTimerButton::OnControlTimer() {
  if (!repeating_) return 0;
  // Only while held over the button: once dragged off it stays quiet until released.
  if (GetState() == StatePressed) SendMessageW(NOTIFY_CLICKED, 0, 0);
  return 0;
}

void CTimerButton::SetControlEnabled(int enabled) {
  if (!enabled) StopRepeat();
  MButton::SetControlEnabled(enabled);
}

void CTimerButton::StopRepeat() {
  if (repeating_ && GetManager()) GetManager()->KillTimer(this, kRepeatKey);
  repeating_ = false;
}

}  // namespace LumoUI
