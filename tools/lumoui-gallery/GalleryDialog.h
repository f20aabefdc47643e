#pragma once

#include <string>

#include "ui/core/MDialog.h"

namespace LumoUI {
class DListBox;
class MComboBox;
class MEdit;
}  // namespace LumoUI

// The gallery's window: a skinned background, text in English and Chinese, the widgets of the
// library, and one button per way of closing a dialog. The modal result tells which button
// closed it; State() tells what the edit, the combo box and the list hold at that moment.
class GalleryDialog : public LumoUI::MDialog {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 640;
  enum ControlId : unsigned {
    kTitle = 1,
    kEnglish,
    kChinese,
    kOk = 10,
    kCancel,
    kYes,
    kNo,
    kEdit = 20,
    kCombo,
    kCheck,
    kRadioA,
    kRadioB,
    kSlider,
    kProgress,
    kPanel,
    kList,
    kRename,
    kArea,
  };
  // Where the widgets the tests drive sit (client coordinates).
  static inline const LumoUI::CRect kEditRect{40, 250, 240, 282};
  static inline const LumoUI::CRect kComboRect{280, 250, 480, 288};
  static inline const LumoUI::CRect kListRect{40, 440, 260, 600};
  static inline const LumoUI::CRect kRenameRect{300, 560, 420, 596};
  static constexpr int kListRowHeight = 32;
  // Where the buttons sit (client coordinates), for whoever drives the gallery from outside.
  static LumoUI::CRect ButtonRect(unsigned id) {
    const int left = 40 + static_cast<int>(id - kOk) * 150;
    return {left, 380, left + 130, 420};
  }

  void InitUI(LumoUI::CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;

  // One line per widget: "edit=...", "combo=<index>", "list=<row 0>|<row 1>|...".
  const std::wstring& State() const { return state_; }

 private:
  void CaptureState();

  LumoUI::MEdit* edit_ = nullptr;
  LumoUI::MComboBox* combo_ = nullptr;
  LumoUI::DListBox* list_ = nullptr;
  std::wstring state_;
};
