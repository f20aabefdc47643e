#include "ui/widgets/CComboBoxList.h"

namespace LumoUI {

CComboBoxList::CComboBoxList(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MListBox(parent, id, rect, visible) {
  SetItemHeight(kRowHeight);
  if (!enabled) SetEnabled(0);
}

}  // namespace LumoUI
