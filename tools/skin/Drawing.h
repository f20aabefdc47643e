#pragma once

#include <cairo.h>

#include <cstdint>

// Drawing helpers shared by the skin pictures: one palette and a few shapes, so every picture has
// the same look and a restyle changes one place.
namespace skin {

// The palette: a dark blue-grey ground, one blue accent, white text.
struct Colour {
  double r, g, b, a;
};
constexpr Colour Rgb(uint32_t rgb, double alpha = 1.0) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}
constexpr Colour kGround = Rgb(0x0B1016);
constexpr Colour kPanel = Rgb(0x141B24);
constexpr Colour kRaised = Rgb(0x1C2532);
constexpr Colour kRaisedHover = Rgb(0x243044);
constexpr Colour kLine = Rgb(0x2A3646);
constexpr Colour kAccent = Rgb(0x11A9FD);
constexpr Colour kAccentDeep = Rgb(0x0A7BC0);
constexpr Colour kText = Rgb(0xE8EEF5);
constexpr Colour kMuted = Rgb(0x8A97A8);
constexpr Colour kDisabled = Rgb(0x4A5566);
constexpr Colour kDanger = Rgb(0xE5484D);
constexpr Colour kDangerDeep = Rgb(0xB8363A);
constexpr Colour kSuccess = Rgb(0x3DD68C);

// The four looks of a push button, in the order of the frames of a button strip.
enum class State { Normal, Hover, Pressed, Disabled };

void SetColour(cairo_t* cr, Colour colour);
void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius);
void FillRounded(cairo_t* cr, double x, double y, double w, double h, double radius, Colour fill);
// A 1-pixel outline that stays sharp: the path runs through pixel centres.
void OutlineRounded(cairo_t* cr, double x, double y, double w, double h, double radius, Colour line,
                    double width = 1.0);
// A vertical gradient from `top` to `bottom` over the current path, which it consumes.
void FillVertical(cairo_t* cr, double y0, double y1, Colour top, Colour bottom);

// Hue 0..360, saturation and value 0..1.
Colour Hsv(double hue, double saturation, double value);

}  // namespace skin
