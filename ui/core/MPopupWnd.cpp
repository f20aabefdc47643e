#include "ui/core/MPopupWnd.h"

namespace LumoUI {

int MPopupWnd::OnInitDialog() {
  const int result = MDialog::OnInitDialog();
  EnableWndDrag(0);
  return result;
}

long MPopupWnd::OnWindowMessage(unsigned message, platform::WParam wparam,
                                platform::LParam lparam) {
  if (message == platform::WM_CREATE) ModifyExStyle(0, platform::WS_EX_TOOLWINDOW);
  // Losing activation to any window, the owner included, closes the popup.
  if (message == platform::WM_ACTIVATE && wparam == 0) CloseWindow();
  return MDialog::OnWindowMessage(message, wparam, lparam);
}

long MPopupWnd::SendMessageToParent(unsigned code, unsigned wparam, long lparam) {
  auto* parent = GetParent();
  if (!parent) return 0;
  // A window parent hears it as a notification; a control parent through its base entry.
  if (auto* dialog = dynamic_cast<MDialog*>(parent))
    return dialog->OnMessage(0, code, wparam, lparam);
  return parent->OnBaseMessage(0, code, wparam, lparam);
}

}  // namespace LumoUI
