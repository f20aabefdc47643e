#pragma once

#include <cstdint>
#include <string>

#include "app/model/KeyRect.h"

// What the device file loader asks of a keyboard view: the view control implements it, and tests
// record what they are given. Only standard types cross it, so the UI library can implement it
// without depending on the rest of the program.
class KeyboardView {
 public:
  virtual ~KeyboardView() = default;

  // Removes every key.
  virtual void ClearItem() = 0;
  // Where the view sits on its page.
  virtual void SetViewRect(const KeyRect& rect) = 0;
  // The keyboard picture, a name in the skin folder such as "keyboard\\K104.png".
  virtual void SetKeyboardImage(const std::wstring& path) = 0;
  virtual void SetWidthAndHeight(int width, int height) = 0;
  // Appends a key; returns its index among the view's keys. `icon_path` is empty for none.
  virtual int AddKeyItem(const std::wstring& name, const std::wstring& desc, uint32_t code,
                         const KeyRect& rect, const std::wstring& icon_path) = 0;
};
