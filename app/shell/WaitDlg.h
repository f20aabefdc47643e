#pragma once

#include "platform/Windows.h"
#include "ui/core/MDialog.h"

// The busy indicator: a small square with the loading animation that covers the main window while
// the worker runs a lengthy job. It is closed by posting (Close), so any thread may end it.
class WaitDlg : public LumoUI::MDialog {
 public:
  static constexpr unsigned kAnimationId = 30;
  static constexpr int kSize = 102;

  // Creates the window centred on the owner's window; false when no window can be made.
  bool CreateOver(platform::WindowId owner);
  // Runs the dialog until it is closed; returns the close code (1 when closed by Close).
  int Run();
  // Asks the dialog to close. Safe from any thread: it only posts a request to the window.
  void Close() { DoOK(); }

  int OnInitDialog() override;
  void InitUI(LumoUI::CRect client) override;
  void UISize(LumoUI::CRect) override {}
  long OnMessage(unsigned, unsigned, unsigned, long) override { return 0; }
};
