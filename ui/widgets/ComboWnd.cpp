#include "ui/widgets/ComboWnd.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CComboBoxList.h"
#include "ui/widgets/MComboBox.h"

namespace LumoUI {

ComboWnd::ComboWnd(MComboBox* combo) : combo_(combo) {
  SetParent(combo);
}

CRect ComboWnd::PopupRect(const CRect& box, int count, const CRect& work_area) {
  const int height = std::min(std::max(count, 0), kVisibleRows) * kRowHeight + 2 * kMargin;
  CRect rect(box.left + 4, box.bottom + 2, box.right - 6, box.bottom + 2 + height);
  if (rect.bottom > work_area.bottom) {
    rect.bottom = box.top - 2;
    rect.top = rect.bottom - height;
  }
  return rect;
}

bool ComboWnd::Open(platform::WindowId owner, const CRect& screen_rect) {
  if (!Create(owner, L"ComboWnd", platform::WS_POPUP, platform::WS_EX_TOOLWINDOW, screen_rect))
    return false;
  ShowWindow(platform::SW_SHOW);
  return true;
}

void ComboWnd::InitUI(CRect client) {
  SetBackColor(RGB(16, 32, 58), RGB(16, 168, 253));
  list_ = new CComboBoxList(this, kListId,
                            {1, kMargin, client.Width() - 1, client.Height() - kMargin}, 1, 1);
  GetPaintManager().AddControl(list_);
  for (int i = 0; i < combo_->GetItemCount(); ++i)
    list_->AddItem(combo_->GetItemText(i).c_str(), combo_->GetItemData(i));
  list_->SetCurSel(combo_->GetCurSel());
}

long ComboWnd::OnMessage(unsigned id, unsigned code, unsigned wparam, long) {
  if (id != kListId || code != NOTIFY_CLICKED) return 0;
  const platform::WindowId owner = GetParentHwnd();
  // The list tells the chosen row in wParam.
  combo_->OnPopupChoice(static_cast<int>(wparam));
  // The owner takes activation back at once, so its typing and clicks keep working.
  if (owner) platform::Get<platform::Windows>().Activate(owner);
  CloseWindow();
  return 1;
}

}  // namespace LumoUI
