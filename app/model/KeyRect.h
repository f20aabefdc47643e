#pragma once

// A key's or a view's rectangle in pixels; right and bottom are exclusive.
struct KeyRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const KeyRect&) const = default;
};

// The rectangle at (x, y) of size w x h. Sums beyond the int range are clamped, so absurd numbers
// in a file give an absurd rectangle rather than an overflow.
KeyRect MakeKeyRect(int x, int y, int w, int h);
