#pragma once

#include <string>
#include <vector>

#include "ui/core/MPopupWnd.h"

namespace LumoUI {

class MenuItem;

// A popup menu ("Menu Window"): rows of MenuItem between a top and a bottom margin (6 each; a
// margin set to 0 counts as 2). When an item reports a click, the menu posts the message given
// to Create to the owner window (wParam = the notification's wParam, lParam = the item's id) and
// closes; it also closes when it loses activation.
class MenuWnd : public MPopupWnd {
 public:
  static constexpr int kDefaultMargin = 6;

  explicit MenuWnd(MObject* parent);

  const wchar_t* GetWindowClassName() override { return L"Menu Window"; }
  // Creates and shows the menu at a screen point, kept inside the work area.
  bool Create(platform::WindowId owner, CPoint at, unsigned message, const std::wstring& background,
              int width, int border, enumBackMode mode);
  MenuItem* AddMenu(const std::wstring& text, unsigned id, const std::wstring& icon = L"",
                    int visible = 1, int enabled = 1);
  MenuItem* AddSeparator();
  void SetMargin(int top, int bottom);
  bool SetItemTitle(const std::wstring& text, const std::wstring& title);
  bool SetItemVisible(const std::wstring& text, int visible);
  bool SetItemEnable(const std::wstring& text, int enabled);
  bool SetItemCheck(const std::wstring& text, int check);
  MenuItem* FindItem(const std::wstring& text);
  const std::vector<MenuItem*>& GetItems() const { return items_; }
  // The menu's height for its visible rows and margins.
  int MenuHeight() const;

  void InitUI(CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;

 private:
  MenuItem* Append(MenuItem* item, int height);
  // Stacks the visible rows and sizes the window to them.
  void Layout();

  platform::WindowId owner_ = 0;
  unsigned message_ = 0;
  std::wstring background_;
  int border_ = 0;
  enumBackMode mode_ = BackModeNatural;
  CPoint at_;
  int width_ = 0;
  int top_margin_ = kDefaultMargin;
  int bottom_margin_ = kDefaultMargin;
  std::vector<MenuItem*> items_;
};

}  // namespace LumoUI
