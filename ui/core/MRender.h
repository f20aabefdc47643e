#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/Painter.h"
#include "ui/core/Color.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

// Text alignment flags, with the values DrawTextW and GetOriginPoint take.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;

// Drawing operations the widgets share.
class MRender {
 public:
  // A picture file (PNG, JPEG, BMP, GIF, ICO); null when it cannot be decoded. A relative name
  // may be written with backslashes.
  static std::shared_ptr<platform::Image> LoadImageFromFile(const std::wstring& path);
  // Every frame of an animated GIF with its delay (one frame for other pictures); empty when the
  // file cannot be decoded.
  static std::vector<platform::ImageFrame> LoadImageFrames(const std::wstring& path);
  // The icon to show for a file: the file's own picture when it is an icon or picture file;
  // null for anything else (programs carry no icons of their own here).
  static std::shared_ptr<platform::Image> LoadIconFromFile(const std::wstring& path);

  // Draws the source rectangle (sx, sy, sw, sh) of `image` over `dest` as a nine-part frame:
  // corners of `border` pixels unscaled, edges stretched one way, the centre both ways.
  static void DrawImageFrame(platform::Painter& painter, const platform::Image& image,
                             const CRect& dest, int sx, int sy, int sw, int sh, int border);
  // The same with a border size per side.
  static void DrawImageFrameMID(platform::Painter& painter, const platform::Image& image,
                                const CRect& dest, int sx, int sy, int sw, int sh, int left,
                                int top, int right, int bottom);

  // Draws frame `frame` of an image strip of `count` equal frames side by side (each
  // width / count wide) into `dest`: stretched when `border` is 0, else as a nine-part frame.
  // Nothing for a frame outside the strip.
  static void DrawStripFrame(platform::Painter& painter, const platform::Image& image, int count,
                             int frame, const CRect& dest, int border = 0);

  // Blends `src` (from `source`'s top-left) over `dst` (inside `dest`) row by row with an alpha
  // that runs from `from` percent transparent to `to` percent: 0 to 100 fades from opaque at
  // the top to clear at the bottom. Returns the alpha of the last row.
  static int DrawVerticalTransition(platform::Image& dst, const platform::Image& src,
                                    const CRect& dest, const CRect& source, int from, int to);
  // The same column by column, left to right.
  static int DrawHorizontalTransition(platform::Image& dst, const platform::Image& src,
                                      const CRect& dest, const CRect& source, int from, int to);
  // Blends the bottom-right square of side `size` of `rect` from `src` into `dst`, fading out
  // with the distance from the square's top-left corner.
  static void DrawRightBottomTransition(platform::Image& dst, const platform::Image& src,
                                        const CRect& rect, int size);

  // A rectangle whose corner radii are w / k / 2 and h / k / 2 (both the smaller one when they
  // differ by more than 10 pixels), filled first when `fill` is set, then outlined.
  static void DrawRoundRectange(platform::Painter& painter, float x, float y, float w, float h,
                                float k, Color pen, float pen_width, bool fill, Color fill_colour);
  static void DrawRoundRectange(platform::Painter& painter, float x, float y, float w, float h,
                                float k, Color pen, float pen_width);
  // The corner radii DrawRoundRectange uses.
  static void RoundRectRadii(float w, float h, float k, float& rx, float& ry);

  // The pixel size of one line of text: the glyphs' width rounded up, and the font's line
  // height plus 4 when it has a fraction, else plus 1.
  static CSize GetTextBounds(const platform::Font& font, const std::wstring& text);
  // The size of text wrapped into lines `width` pixels wide: the height grows by 5 beyond the
  // glyphs once the text takes more than one line.
  static CSize GetTextBounds(const platform::Font& font, int width, const std::wstring& text);
  // Draws text inside `rect` in a COLORREF colour, aligned by DT_ flags.
  static void DrawTextW(platform::Painter& painter, const CRect& rect, const wchar_t* text,
                        COLORREF colour, const platform::Font& font, unsigned format);

  // Where an inner box of the given size sits in an outer one, by DT_ alignment flags.
  static CPoint GetOriginPoint(int outer_width, int outer_height, int inner_width, int inner_height,
                               unsigned h_align, unsigned v_align);
  // The same as an absolute point in `outer`, two pixels lower (the text baseline allowance).
  static CPoint GetOriginPoint(CRect outer, int width, int height, unsigned h_align,
                               unsigned v_align);

  // A transparent back buffer of the given size; empty when a side is not positive.
  static platform::Image CreateARGB32Bitmap(int width, int height);
  // Fills with a 0xAARRGGBB colour; a colour with alpha 0 leaves the rectangle untouched.
  static void DrawColor(platform::Painter& painter, const CRect& rect, uint32_t argb);
  // Fills with an opaque COLORREF colour.
  static void FillSolidRect(platform::Painter& painter, const CRect& rect, COLORREF colour);
  // A linear gradient between two 0xAARRGGBB colours, top to bottom when `vertical`, else left
  // to right, drawn with the mean of their alphas (nothing when that mean is 0).
  static void DrawGradient(platform::Painter& painter, const CRect& rect, uint32_t from,
                           uint32_t to, bool vertical, int steps);
  // Copies a block of pixels as they are (no blending), clipped to both pictures.
  static void BitBlt(platform::Image& dst, int x, int y, int width, int height,
                     const platform::Image& src, int sx, int sy);
  // A colour whose red, green and blue are all 0 becomes 1 there, so it never reads as "none".
  static void CheckAlphaColor(uint32_t& colour);
  // Writes the picture as a 24-bit BMP file; false when the file cannot be written.
  static bool SaveBitmapToFile(const platform::Image& image, const std::wstring& path);
};

}  // namespace LumoUI
