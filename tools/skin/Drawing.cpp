#include "tools/skin/Drawing.h"

#include <cmath>

namespace skin {

void SetColour(cairo_t* cr, Colour colour) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
}

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::fmin(radius, std::fmin(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void FillRounded(cairo_t* cr, double x, double y, double w, double h, double radius, Colour fill) {
  RoundedRectangle(cr, x, y, w, h, radius);
  SetColour(cr, fill);
  cairo_fill(cr);
}

void OutlineRounded(cairo_t* cr, double x, double y, double w, double h, double radius, Colour line,
                    double width) {
  RoundedRectangle(cr, x + width / 2, y + width / 2, w - width, h - width, radius);
  SetColour(cr, line);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, Colour top, Colour bottom) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(gradient, 0, top.r, top.g, top.b, top.a);
  cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

Colour Hsv(double hue, double saturation, double value) {
  const double h = std::fmod(std::fmod(hue, 360) + 360, 360) / 60;
  const double c = value * saturation;
  const double x = c * (1 - std::fabs(std::fmod(h, 2) - 1));
  const double m = value - c;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0:
      r = c, g = x;
      break;
    case 1:
      r = x, g = c;
      break;
    case 2:
      g = c, b = x;
      break;
    case 3:
      g = x, b = c;
      break;
    case 4:
      r = x, b = c;
      break;
    default:
      r = c, b = x;
      break;
  }
  return {r + m, g + m, b + m, 1};
}

}  // namespace skin
