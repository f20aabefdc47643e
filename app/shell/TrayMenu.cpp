#include "app/shell/TrayMenu.h"

#include "app/shell/LanguageText.h"
#include "app/shell/MainWindowIds.h"
#include "platform/Backend.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CTextButton.h"

namespace {

struct Item {
  platform::WParam command;
  int text;
};
constexpr Item kItems[] = {{MainWindowMessage::kTrayCloseBehaviour, 10},
                           {MainWindowMessage::kTrayExit, 11}};
constexpr int kItemCount = static_cast<int>(std::size(kItems));
constexpr LumoUI::COLORREF kBack = 0x2A2420;
constexpr LumoUI::COLORREF kBorder = 0x5A4E46;

}  // namespace

bool TrayMenu::CreateAt(platform::WindowId owner, platform::Point corner) {
  const int height = kItemCount * kItemHeight + 2;
  const platform::Rect screen = platform::Get<platform::Windows>().ScreenRect();
  const int right = std::clamp(corner.x, screen.left + kWidth, screen.right);
  const int bottom = std::clamp(corner.y, screen.top + height, screen.bottom);
  return Create(owner, L"Menu Window", LumoUI::kAppWindowStyle, platform::WS_EX_TOOLWINDOW,
                {right - kWidth, bottom - height, right, bottom}) != 0;
}

LumoUI::CRect TrayMenu::ItemRect(int index) {
  return {1, 1 + index * kItemHeight, kWidth - 1, 1 + (index + 1) * kItemHeight};
}

int TrayMenu::OnInitDialog() {
  MPopupWnd::OnInitDialog();
  SetBackColor(kBack, kBorder);
  ModifyExStyle(0, platform::WS_EX_TOPMOST);
  return 1;
}

void TrayMenu::InitUI(LumoUI::CRect) {
  for (int i = 0; i < kItemCount; ++i) {
    auto* item = static_cast<LumoUI::CTextButton*>(
        CreateControl(L"CTextButton", kFirstItemId + i, ItemRect(i), Text(kItems[i].text).c_str()));
    if (!item) continue;
    item->SetFontWidth(14);
    item->SetTextButtonColor(0xFFE6E6E6, 0xFF11A9FD, 0xFF0B7FC0, 0xFF808080);
    item->SetAlignment(LumoUI::AlignCenter, LumoUI::VAlignCenter);
  }
}

long TrayMenu::OnMessage(unsigned id, unsigned code, unsigned, long) {
  if (code != LumoUI::NOTIFY_CLICKED || id < kFirstItemId || id >= kFirstItemId + kItemCount)
    return 0;
  // The close code carries the command out of the modal loop.
  PostMessageW(platform::WM_CLOSE, kItems[id - kFirstItemId].command, 0);
  return 1;
}

platform::WParam ShowTrayMenu(platform::WindowId owner) {
  // Trays sit at the screen's edge; the menu opens in the corner above the usual one.
  const platform::Rect screen = platform::Get<platform::Windows>().ScreenRect();
  TrayMenu menu;
  if (!menu.CreateAt(owner, {screen.right, screen.bottom})) return 0;
  const int result = menu.ShowModal(platform::SW_SHOW);
  return result > 0 ? static_cast<platform::WParam>(result) : 0;
}
