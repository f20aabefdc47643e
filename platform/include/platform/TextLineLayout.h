#pragma once

#include <string>

#include "platform/Image.h"
#include "platform/Painter.h"

namespace platform {

// Where the characters of one line of text sit in a box `room` pixels wide: aligned while the
// text fits, else shifted left by `scroll` pixels. Positions are from the box's left edge. It
// refers to the text and the font it is given, which must outlive it.
class TextLineLayout {
 public:
  TextLineLayout(const std::wstring& shown, const Font& font, int room, TextAlign align,
                 int scroll);
  TextLineLayout(const TextLineLayout&) = delete;
  TextLineLayout& operator=(const TextLineLayout&) = delete;

  // The x of a caret before character `index`.
  int X(int index);
  // The caret index nearest to x.
  int IndexAt(int x);
  // The scroll that keeps a caret before character `index` inside the box.
  int ScrollFor(int index);

 private:
  int Width(int count);

  const std::wstring& shown_;
  const Font& font_;
  int room_;
  TextAlign align_;
  int scroll_;
  Image scratch_{1, 1};
  Painter painter_{scratch_};
  int full_;
};

}  // namespace platform
