#include "tools/skin/Glyphs.h"

#include <cmath>
#include <initializer_list>

namespace skin {

namespace {

void Line(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
}

void Polyline(cairo_t* cr, std::initializer_list<double> points) {
  auto p = points.begin();
  cairo_move_to(cr, p[0], p[1]);
  for (p += 2; p != points.end(); p += 2)
    cairo_line_to(cr, p[0], p[1]);
}

void Speaker(cairo_t* cr) {
  Polyline(cr, {3, 9.5, 7, 9.5, 12, 5, 12, 19, 7, 14.5, 3, 14.5});
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  cairo_stroke(cr);
}

void Arrow(cairo_t* cr, double angle) {
  cairo_save(cr);
  cairo_translate(cr, 12, 12);
  cairo_rotate(cr, angle);
  Line(cr, -7, 0, 7, 0);
  Polyline(cr, {1, -6, 7, 0, 1, 6});
  cairo_restore(cr);
  cairo_stroke(cr);
}

void Chevron(cairo_t* cr, double angle) {
  cairo_save(cr);
  cairo_translate(cr, 12, 12);
  cairo_rotate(cr, angle);
  Polyline(cr, {-3, -6, 3, 0, -3, 6});
  cairo_restore(cr);
  cairo_stroke(cr);
}

}  // namespace

void GlyphClose(cairo_t* cr) {
  Line(cr, 6, 6, 18, 18);
  Line(cr, 18, 6, 6, 18);
  cairo_stroke(cr);
}

void GlyphMinus(cairo_t* cr) {
  Line(cr, 6, 12, 18, 12);
  cairo_stroke(cr);
}

void GlyphPlus(cairo_t* cr) {
  Line(cr, 12, 5, 12, 19);
  Line(cr, 5, 12, 19, 12);
  cairo_stroke(cr);
}

void GlyphGlobe(cairo_t* cr) {
  cairo_arc(cr, 12, 12, 8.5, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 12, 12);
  cairo_scale(cr, 0.45, 1);
  cairo_arc(cr, 0, 0, 8.5, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_stroke(cr);
  Line(cr, 3.5, 12, 20.5, 12);
  cairo_stroke(cr);
}

void GlyphTrash(cairo_t* cr) {
  Line(cr, 4, 7, 20, 7);
  Polyline(cr, {9, 7, 9, 4, 15, 4, 15, 7});
  Polyline(cr, {6, 7, 7, 20, 17, 20, 18, 7});
  Line(cr, 10.5, 10.5, 10.5, 16.5);
  Line(cr, 13.5, 10.5, 13.5, 16.5);
  cairo_stroke(cr);
}

void GlyphPencil(cairo_t* cr) {
  Polyline(cr, {15.5, 4.5, 19.5, 8.5, 8.5, 19.5, 4, 20, 4.5, 15.5});
  cairo_close_path(cr);
  Line(cr, 13, 7, 17, 11);
  cairo_stroke(cr);
}

void GlyphImport(cairo_t* cr) {
  Line(cr, 12, 3, 12, 14);
  Polyline(cr, {7.5, 9.5, 12, 14, 16.5, 9.5});
  Polyline(cr, {4, 14, 4, 20, 20, 20, 20, 14});
  cairo_stroke(cr);
}

void GlyphExport(cairo_t* cr) {
  Line(cr, 12, 14, 12, 3);
  Polyline(cr, {7.5, 7.5, 12, 3, 16.5, 7.5});
  Polyline(cr, {4, 14, 4, 20, 20, 20, 20, 14});
  cairo_stroke(cr);
}

void GlyphChevronUp(cairo_t* cr) {
  Chevron(cr, -M_PI / 2);
}
void GlyphChevronDown(cairo_t* cr) {
  Chevron(cr, M_PI / 2);
}
void GlyphArrowLeft(cairo_t* cr) {
  Arrow(cr, M_PI);
}
void GlyphArrowRight(cairo_t* cr) {
  Arrow(cr, 0);
}
void GlyphArrowUp(cairo_t* cr) {
  Arrow(cr, -M_PI / 2);
}
void GlyphArrowDown(cairo_t* cr) {
  Arrow(cr, M_PI / 2);
}

void GlyphCheck(cairo_t* cr) {
  Polyline(cr, {5, 12.5, 10, 17.5, 19, 7});
  cairo_stroke(cr);
}

void GlyphHome(cairo_t* cr) {
  Polyline(cr, {3, 11.5, 12, 4, 21, 11.5});
  Polyline(cr, {5.5, 10, 5.5, 20, 18.5, 20, 18.5, 10});
  Polyline(cr, {10, 20, 10, 14.5, 14, 14.5, 14, 20});
  cairo_stroke(cr);
}

void GlyphKeyboard(cairo_t* cr) {
  RoundedRectangle(cr, 2, 6, 20, 13, 2.5);
  cairo_stroke(cr);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 5; ++column)
      cairo_rectangle(cr, 4.6 + column * 3.35, 8.6 + row * 3.2, 1.8, 1.8);
  cairo_rectangle(cr, 7.5, 15.2, 9, 1.8);
  cairo_fill(cr);
}

void GlyphMacro(cairo_t* cr) {
  Line(cr, 3, 6, 15, 6);
  Line(cr, 3, 11, 12, 11);
  Line(cr, 3, 16, 10, 16);
  cairo_stroke(cr);
  cairo_arc(cr, 17.5, 15.5, 4.5, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_arc(cr, 17.5, 15.5, 2, 0, 2 * M_PI);
  cairo_fill(cr);
}

void GlyphLight(cairo_t* cr) {
  cairo_arc(cr, 12, 12, 4.2, 0, 2 * M_PI);
  cairo_stroke(cr);
  for (int ray = 0; ray < 8; ++ray) {
    const double a = ray * M_PI / 4;
    Line(cr, 12 + 7 * std::cos(a), 12 + 7 * std::sin(a), 12 + 9.5 * std::cos(a),
         12 + 9.5 * std::sin(a));
  }
  cairo_stroke(cr);
}

void GlyphGear(cairo_t* cr) {
  const int teeth = 8;
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = (i - 0.5) * 2 * M_PI / (teeth * 4);
    const double r = (i % 4 < 2) ? 9.5 : 7;
    const double x = 12 + r * std::cos(a), y = 12 + r * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_stroke(cr);
  cairo_arc(cr, 12, 12, 3, 0, 2 * M_PI);
  cairo_stroke(cr);
}

void GlyphComputer(cairo_t* cr) {
  RoundedRectangle(cr, 3, 4, 18, 12, 1.5);
  Line(cr, 12, 16, 12, 20);
  Line(cr, 8, 20, 16, 20);
  cairo_stroke(cr);
}

void GlyphCalculator(cairo_t* cr) {
  RoundedRectangle(cr, 5, 2.5, 14, 19, 2);
  cairo_rectangle(cr, 8, 5.5, 8, 3.5);
  cairo_stroke(cr);
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      cairo_arc(cr, 8.6 + column * 3.4, 12 + row * 3.2, 0.95, 0, 2 * M_PI);
      cairo_fill(cr);
    }
}

void GlyphMail(cairo_t* cr) {
  RoundedRectangle(cr, 3, 6, 18, 12, 1.5);
  Polyline(cr, {3.5, 7, 12, 13, 20.5, 7});
  cairo_stroke(cr);
}

void GlyphMusic(cairo_t* cr) {
  Polyline(cr, {9, 17, 9, 5, 19, 3, 19, 15});
  cairo_stroke(cr);
  cairo_arc(cr, 6.5, 17.5, 2.8, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_arc(cr, 16.5, 15.5, 2.8, 0, 2 * M_PI);
  cairo_fill(cr);
}

void GlyphPlayPause(cairo_t* cr) {
  Polyline(cr, {3, 6, 3, 18, 11, 12});
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  cairo_stroke(cr);
  Line(cr, 15, 6.5, 15, 17.5);
  Line(cr, 20, 6.5, 20, 17.5);
  cairo_stroke(cr);
}

void GlyphStop(cairo_t* cr) {
  RoundedRectangle(cr, 6, 6, 12, 12, 1.5);
  cairo_fill(cr);
}

void GlyphPrevious(cairo_t* cr) {
  Line(cr, 6, 6, 6, 18);
  cairo_stroke(cr);
  Polyline(cr, {18, 6, 18, 18, 9, 12});
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  cairo_stroke(cr);
}

void GlyphNext(cairo_t* cr) {
  Line(cr, 18, 6, 18, 18);
  cairo_stroke(cr);
  Polyline(cr, {6, 6, 6, 18, 15, 12});
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  cairo_stroke(cr);
}

void GlyphVolumeDown(cairo_t* cr) {
  Speaker(cr);
  cairo_arc(cr, 12, 12, 4.5, -M_PI / 4, M_PI / 4);
  cairo_stroke(cr);
}

void GlyphVolumeUp(cairo_t* cr) {
  Speaker(cr);
  cairo_arc(cr, 12, 12, 4.5, -M_PI / 4, M_PI / 4);
  cairo_stroke(cr);
  cairo_arc(cr, 12, 12, 8.5, -M_PI / 4, M_PI / 4);
  cairo_stroke(cr);
}

void GlyphMute(cairo_t* cr) {
  Speaker(cr);
  Line(cr, 15, 9, 21, 15);
  Line(cr, 21, 9, 15, 15);
  cairo_stroke(cr);
}

void GlyphRefresh(cairo_t* cr) {
  // Three quarters of a circle, open at the top right, with an arrowhead where the arc ends.
  const double end = -M_PI / 4;
  cairo_arc(cr, 12, 12, 7.5, M_PI / 8, 2 * M_PI + end);
  cairo_stroke(cr);
  const double x = 12 + 7.5 * std::cos(end), y = 12 + 7.5 * std::sin(end);
  const double tx = -std::sin(end), ty = std::cos(end);  // direction of travel
  const double nx = std::cos(end), ny = std::sin(end);   // outwards
  Polyline(cr, {x + 3.5 * nx, y + 3.5 * ny, x + 4 * tx, y + 4 * ty, x - 3.5 * nx, y - 3.5 * ny});
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  cairo_stroke(cr);
}

void GlyphStopLoading(cairo_t* cr) {
  cairo_arc(cr, 12, 12, 8.5, 0, 2 * M_PI);
  Line(cr, 8.5, 8.5, 15.5, 15.5);
  Line(cr, 15.5, 8.5, 8.5, 15.5);
  cairo_stroke(cr);
}

void GlyphStar(cairo_t* cr) {
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 ? 4 : 9;
    const double x = 12 + r * std::cos(a), y = 12.8 + r * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_stroke(cr);
}

void GlyphSearch(cairo_t* cr) {
  cairo_arc(cr, 10.5, 10.5, 6, 0, 2 * M_PI);
  cairo_stroke(cr);
  Line(cr, 15, 15, 20.5, 20.5);
  cairo_stroke(cr);
}

void GlyphUsb(cairo_t* cr) {
  Line(cr, 12, 21, 12, 4);
  Polyline(cr, {9, 7, 12, 3, 15, 7});
  Polyline(cr, {12, 17, 6.5, 13, 6.5, 10});
  Polyline(cr, {12, 14, 17.5, 11, 17.5, 8.5});
  cairo_stroke(cr);
  cairo_arc(cr, 6.5, 9, 1.8, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_rectangle(cr, 16, 6, 3, 3);
  cairo_fill(cr);
  cairo_arc(cr, 12, 20.5, 2, 0, 2 * M_PI);
  cairo_fill(cr);
}

void GlyphBolt(cairo_t* cr) {
  Polyline(cr, {14, 2, 5, 13.5, 11.5, 13.5, 10, 22, 19, 10, 12.5, 10});
  cairo_close_path(cr);
  cairo_fill(cr);
}

void DrawGlyph(cairo_t* cr, Glyph glyph, double x, double y, double size, Colour colour,
               double line) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 24, size / 24);
  cairo_set_line_width(cr, line);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, colour);
  glyph(cr);
  cairo_restore(cr);
}

}  // namespace skin
