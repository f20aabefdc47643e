#include "ui/widgets/MenuWnd.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/MenuItem.h"

namespace LumoUI {
namespace {

int EffectiveMargin(int margin) {
  return margin == 0 ? 2 : margin;
}

}  // namespace

MenuWnd::MenuWnd(MObject* parent) {
  SetParent(parent);
}

bool MenuWnd::Create(platform::WindowId owner, CPoint at, unsigned message,
                     const std::wstring& background, int width, int border, enumBackMode mode) {
  owner_ = owner;
  message_ = message;
  background_ = background;
  border_ = border;
  mode_ = mode;
  at_ = at;
  width_ = std::max(width, 1);
  const CRect rect(at.x, at.y, at.x + width_, at.y + MenuHeight());
  if (!MPopupWnd::Create(owner, L"Menu Window", platform::WS_POPUP, platform::WS_EX_TOOLWINDOW,
                         rect)) {
    return false;
  }
  Layout();
  ShowWindow(platform::SW_SHOW);
  return true;
}

void MenuWnd::InitUI(CRect) {
  if (background_.empty() || !LoadBKImage(background_)) {
    SetBackColor(RGB(16, 32, 58), RGB(16, 168, 253));
  } else {
    SetBackMode(mode_, border_);
  }
}

void MenuWnd::SetMargin(int top, int bottom) {
  top_margin_ = top;
  bottom_margin_ = bottom;
  Layout();
}

MenuItem* MenuWnd::Append(MenuItem* item, int height) {
  item->SetRect({0, 0, width_, height});
  items_.push_back(item);
  GetPaintManager().AddControl(item);
  Layout();
  return item;
}

MenuItem* MenuWnd::AddMenu(const std::wstring& text, unsigned id, const std::wstring& icon,
                           int visible, int enabled) {
  auto* item = new MenuItem(this, id, {}, text.c_str(), visible, enabled);
  Append(item, MenuItem::kHeight);
  if (!icon.empty()) item->SetImage(icon.c_str(), 4);
  // The menu grows to fit the longest text.
  width_ = std::max(width_, item->PreferredWidth());
  Layout();
  return item;
}

MenuItem* MenuWnd::AddSeparator() {
  auto* item = new MenuItem(this, 0, {}, L"", 1, 0);
  item->SetSeparator(true);
  item->SetRresponse(0);
  return Append(item, MenuItem::kSeparatorHeight);
}

int MenuWnd::MenuHeight() const {
  int height = EffectiveMargin(top_margin_) + EffectiveMargin(bottom_margin_);
  for (const MenuItem* item : items_) {
    if (item->IsVisible())
      height += item->IsSeparator() ? MenuItem::kSeparatorHeight : MenuItem::kHeight;
  }
  return height;
}

void MenuWnd::Layout() {
  int top = EffectiveMargin(top_margin_);
  for (MenuItem* item : items_) {
    if (!item->IsVisible()) continue;
    const int height = item->IsSeparator() ? MenuItem::kSeparatorHeight : MenuItem::kHeight;
    item->SetRect({0, top, width_, top + height});
    top += height;
  }
  if (!GetSafeHwnd()) return;
  // Kept inside the work area: a menu opened near an edge moves in rather than being cut.
  const platform::Rect work = platform::Get<platform::Windows>().ScreenRect();
  const int height = MenuHeight();
  int left = at_.x, y = at_.y;
  if (work.Width() > 0) {
    left = std::clamp(left, static_cast<int>(work.left),
                      std::max<int>(work.left, work.right - width_));
    y = std::clamp(y, static_cast<int>(work.top), std::max<int>(work.top, work.bottom - height));
  }
  MoveWindow({left, y, left + width_, y + height});
  InvalidateRect(nullptr);
}

MenuItem* MenuWnd::FindItem(const std::wstring& text) {
  for (MenuItem* item : items_) {
    if (!item->IsSeparator() && item->GetTitle() == text) return item;
  }
  return nullptr;
}

bool MenuWnd::SetItemTitle(const std::wstring& text, const std::wstring& title) {
  MenuItem* item = FindItem(text);
  if (!item) return false;
  item->SetTitle(title.c_str());
  width_ = std::max(width_, item->PreferredWidth());
  Layout();
  return true;
}

bool MenuWnd::SetItemVisible(const std::wstring& text, int visible) {
  MenuItem* item = FindItem(text);
  if (!item) return false;
  item->SetVisible(visible);
  Layout();
  return true;
}

bool MenuWnd::SetItemEnable(const std::wstring& text, int enabled) {
  MenuItem* item = FindItem(text);
  if (!item) return false;
  item->SetEnabled(enabled);
  return true;
}

bool MenuWnd::SetItemCheck(const std::wstring& text, int check) {
  MenuItem* item = FindItem(text);
  if (!item) return false;
  item->SetCheck(check);
  return true;
}

long MenuWnd::OnMessage(unsigned, unsigned code, unsigned wparam, long lparam) {
  if (owner_ && message_) platform::Get<platform::Windows>().Post(owner_, message_, wparam, lparam);
  if (code == NOTIFY_CLICKED) {
    if (owner_) platform::Get<platform::Windows>().Activate(owner_);
    CloseWindow();
  }
  return 1;
}

}  // namespace LumoUI
