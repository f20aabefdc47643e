#pragma once

#include <string>

#include "ui/core/Color.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

// The text field a list opens over a row to rename it: a native edit window of the platform.
// The list drives it through this seam and is told back through CommitEdit when the field
// wants to end the edit (Enter, loss of the keyboard focus).
class InPlaceEditor {
 public:
  struct Look {
    COLORREF back = 0;
    Color text;
    int font_size = 14;
    unsigned font_style = 0;
    int limit = 10;
  };

  virtual ~InPlaceEditor() = default;
  // Shows the field over `rect` (window coordinates) holding `text`, the caret after its last
  // character, nothing selected, with the keyboard focus.
  virtual void Open(const CRect& rect, const std::wstring& text, const Look& look) = 0;
  virtual std::wstring GetText() = 0;
  virtual void Close() = 0;
};

}  // namespace LumoUI
