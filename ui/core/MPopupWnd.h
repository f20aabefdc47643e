#pragma once

#include "ui/core/MDialog.h"

namespace LumoUI {

// A self-closing popup (drop-down lists, menus): it closes as soon as it loses activation, so
// a click anywhere else dismisses it. It reports results to its parent object.
class MPopupWnd : public MDialog {
 public:
  // Popups draw their margins in this colour so they can take any shape.
  static constexpr COLORREF kPopupColorKey = RGB(0xF1, 0xF1, 0xF1);
  MPopupWnd() { SetColorKey(kPopupColorKey); }
  const wchar_t* GetClassNameW() override { return L"MPopupWnd"; }
  long OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam) override;
  int OnInitDialog() override;

  void SetParent(MObject* parent) { parent_object_ = parent; }
  virtual MObject* GetParent() { return parent_object_; }
  // Calls the parent's notification entry with id 0; 0 without a parent.
  long SendMessageToParent(unsigned code, unsigned wparam, long lparam);
  virtual void CloseWindow() { PostMessageW(platform::WM_CLOSE, 0, 0); }

 private:
  MObject* parent_object_ = nullptr;
};

}  // namespace LumoUI
