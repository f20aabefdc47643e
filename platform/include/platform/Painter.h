#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Geometry.h"
#include "platform/Image.h"

namespace platform {

// What text is drawn with. The family is looked up by name; a missing family falls back to the
// desktop's default font.
struct Font {
  std::wstring family;
  int pixel_size = 14;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

enum class TextAlign { Near, Center, Far };

struct TextSize {
  int width = 0;
  int height = 0;
};

// Text sizes before any rounding: the ink of the glyphs, and the font's line height.
struct TextExtents {
  double ink_width = 0;
  double ink_height = 0;
  double line_height = 0;
};

// A drawing context over an Image. Colours are straight 0xAARRGGBB. Everything is drawn
// source-over except ClearRect, which replaces pixels. The clip only ever narrows until Restore.
class Painter {
 public:
  explicit Painter(Image& target);
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  Image& Target() { return target_; }

  void Save();
  void Restore();
  void ClipTo(const Rect& rect);
  // Moves the origin: what is drawn at (x, y) afterwards lands at (x + dx, y + dy). Undone by
  // Restore, like the clip.
  void Translate(int dx, int dy);
  // The current clip in image coordinates.
  Rect ClipBounds();

  void FillRect(const Rect& rect, uint32_t argb);
  void ClearRect(const Rect& rect, uint32_t argb = 0);
  void DrawLine(double x1, double y1, double x2, double y2, uint32_t argb, double width = 1);
  // A rectangle with elliptic corners of radii rx, ry; filled first when `fill` is set, then
  // outlined when pen_width is positive.
  void RoundedRect(double x, double y, double w, double h, double rx, double ry, uint32_t pen,
                   double pen_width, bool fill, uint32_t fill_argb);
  // Copies `source` (a part of `image`) into `dest`, stretching when the sizes differ, with a
  // constant alpha on top of the image's own.
  void DrawImage(const Image& image, const Rect& source, const Rect& dest, uint8_t alpha = 255);

  // The size a single line of text takes.
  TextSize MeasureText(const std::wstring& text, const Font& font);
  // The unrounded sizes of a text; wrapped into lines of `wrap_width` pixels when it is positive.
  TextExtents MeasureTextExtents(const std::wstring& text, const Font& font, int wrap_width = 0);
  // Draws one line of text aligned inside `box` (not wrapped; cut at the box).
  void DrawText(const std::wstring& text, const Font& font, const Rect& box, TextAlign horizontal,
                TextAlign vertical, uint32_t argb);

 private:
  struct Impl;
  Image& target_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
