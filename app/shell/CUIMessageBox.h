#pragma once

#include <string>

#include "platform/Windows.h"
#include "ui/core/MDialog.h"

// The program's skinned message box: a title, a message and one or two buttons.
class CUIMessageBox : public LumoUI::MDialog {
 public:
  // Box types: one OK button, or OK and Cancel; any other type shows no buttons.
  static constexpr int kOneButton = 0;
  static constexpr int kTwoButtons = 4;

  // Control ids.
  static constexpr unsigned kTitleId = 31;
  static constexpr unsigned kMessageId = 32;
  static constexpr unsigned kOkId = 33;
  static constexpr unsigned kCancelId = 34;

  static constexpr int kWidth = 380;
  static constexpr int kHeight = 200;

  CUIMessageBox(std::wstring title, std::wstring message, int type);

  // Creates the window over `owner`, centred on the screen; false when no window can be made.
  bool CreateBox(platform::WindowId owner);

  // Where the buttons of a box of the given client size go.
  static LumoUI::CRect OkRect(int type, int width, int height);
  static LumoUI::CRect CancelRect(int width, int height);

  int OnInitDialog() override;
  void InitUI(LumoUI::CRect client) override;
  void UISize(LumoUI::CRect) override {}
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;

 private:
  std::wstring title_;
  std::wstring message_;
  int type_;
};

// Shows a message box and waits for it: 1 when OK was pressed, 2 for Cancel or when the main window
// closed the box; -1 when no window could be shown.
int ShowMessageBox(platform::WindowId owner, const std::wstring& title, const std::wstring& message,
                   int type);
