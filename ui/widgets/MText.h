#pragma once

#include <string>

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A static text: one line, or several lines in multi-line mode (split at line breaks and wrapped
// where wider than the control), with an optional shadow, background fill and a marked substring
// drawn in another colour.
class MText : public MControlFont {
 public:
  MText(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible);

  void EnableMultiLine(int on);
  void EnableShadow(int on, Color colour = 0xC0000000);
  // Fills the control's rectangle with `colour` (0xAARRGGBB) below the text.
  void EnableTextBack(int on, Color colour = 0xFF000000);
  // The first occurrence of `mark` in the title is drawn in `colour`; empty: no mark.
  void SetMarkText(const wchar_t* mark, Color colour);

  void DrawControl(platform::Painter& painter, CRect clip) override;
  // A text contains other controls in principle; its notifications pass on unchanged.
  long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;

 private:
  void DrawLine(platform::Painter& painter, const std::wstring& line, const CRect& box);

  int multi_line_ = 0;
  int shadow_ = 0;
  Color shadow_colour_{0xC0000000};
  int text_back_ = 0;
  Color back_colour_{0xFF000000};
  std::wstring mark_;
  Color mark_colour_{0xFF10A8FD};
};

}  // namespace LumoUI
