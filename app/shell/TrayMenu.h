#pragma once

#include "platform/Windows.h"
#include "ui/core/MPopupWnd.h"

// The tray icon's menu: close behaviour (command 200) and exit (command 100). It closes itself
// when it loses activation, like every popup.
class TrayMenu : public LumoUI::MPopupWnd {
 public:
  static constexpr int kWidth = 220;
  static constexpr int kItemHeight = 34;
  static constexpr unsigned kFirstItemId = 30;

  // Creates the menu so that its bottom-right corner is at `corner` (screen coordinates), kept
  // on the screen.
  bool CreateAt(platform::WindowId owner, platform::Point corner);
  // Where item `index` (0 close behaviour, 1 exit) is, in the menu's client coordinates.
  static LumoUI::CRect ItemRect(int index);

  int OnInitDialog() override;
  void InitUI(LumoUI::CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
};

// Shows the tray menu and waits for it: the chosen command (100 or 200), 0 when dismissed.
platform::WParam ShowTrayMenu(platform::WindowId owner);
