#pragma once

#include <memory>

#include "ui/core/MControlFont.h"

namespace LumoUI {

// One row of a popup menu: 35 pixels high with an optional 4-frame icon, or a 4-pixel separator.
// The hover row is filled with the selection colour; a release inside after a press sends code 2
// with lParam = the item's id.
class MenuItem : public MControlFont {
 public:
  static constexpr int kHeight = 35;
  static constexpr int kSeparatorHeight = 4;
  static constexpr int kIconColumn = 36;
  static constexpr int kTextPadding = 12;

  MenuItem(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
           int enabled);
  const wchar_t* GetClassNameW() override { return L"MenuItem"; }

  void SetSeparator(bool on) { separator_ = on; }
  bool IsSeparator() const { return separator_; }
  void SetCheck(int check);
  int GetCheck() const { return check_; }
  bool IsHover() const { return hover_; }
  // The width the item needs for its text and icon column.
  int PreferredWidth() const;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;

 private:
  bool separator_ = false;
  bool hover_ = false;
  bool pressed_ = false;
  int check_ = 0;
};

}  // namespace LumoUI
