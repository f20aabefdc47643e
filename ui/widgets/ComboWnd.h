#pragma once

#include "ui/core/MPopupWnd.h"

namespace LumoUI {

class CComboBoxList;
class MComboBox;

// The drop-down window of a combo box: a tool window holding the list of its items. Choosing a
// row hands it to the combo box and closes the window; so does losing activation.
class ComboWnd : public MPopupWnd {
 public:
  static constexpr int kRowHeight = 30;
  static constexpr int kVisibleRows = 5;
  static constexpr int kMargin = 6;  // above and below the rows
  static constexpr unsigned kListId = 100;

  explicit ComboWnd(MComboBox* combo);

  // Where the window opens for a box at `box` (screen coordinates) with `count` items: 2 pixels
  // below it, from 4 pixels inside its left edge to 6 inside its right, with room for at most
  // five rows; above the box when it would reach past the bottom of `work_area`.
  static CRect PopupRect(const CRect& box, int count, const CRect& work_area);

  bool Open(platform::WindowId owner, const CRect& screen_rect);
  CComboBoxList* GetList() { return list_; }

  const wchar_t* GetWindowClassName() override { return L"ComboWnd"; }
  void InitUI(CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;

 private:
  MComboBox* combo_;
  CComboBoxList* list_ = nullptr;
};

}  // namespace LumoUI
