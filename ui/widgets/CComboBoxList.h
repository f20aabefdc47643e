#pragma once

#include "ui/widgets/MListBox.h"

namespace LumoUI {

// The list inside a combo box's drop-down window: 30-pixel rows, scrolling past five.
class CComboBoxList : public MListBox {
 public:
  static constexpr int kRowHeight = 30;

  CComboBoxList(MObject* parent, unsigned id, CRect rect, int visible, int enabled);
  const wchar_t* GetClassNameW() override { return L"CComboBoxList"; }
};

}  // namespace LumoUI
