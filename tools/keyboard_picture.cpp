// Draws the keyboard picture a device file names: a case the size of the Keyboard element with a
// key cap on every key rectangle and the key's name on it. Run it again after changing the keys:
//   keyboard_picture data/layouts/K104.xml data/skins/theme1/keyboard/K104.png
#include <cairo.h>

#include <cstdio>
#include <numbers>
#include <string>

#include "app/model/DeviceFile.h"
#include "platform/Text.h"

namespace {

constexpr double kPi = std::numbers::pi;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void DrawCase(cairo_t* cr, int width, int height) {
  cairo_set_source_rgb(cr, 0.07, 0.08, 0.09);
  cairo_paint(cr);
  RoundedRect(cr, 4, 4, width - 8, height - 8, 14);
  cairo_pattern_t* plate = cairo_pattern_create_linear(0, 0, 0, height);
  cairo_pattern_add_color_stop_rgb(plate, 0, 0.20, 0.21, 0.23);
  cairo_pattern_add_color_stop_rgb(plate, 1, 0.13, 0.14, 0.15);
  cairo_set_source(cr, plate);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(plate);
  cairo_set_source_rgb(cr, 0.30, 0.31, 0.33);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void DrawKey(cairo_t* cr, const LayoutKey& key) {
  const KeyRect& rect = key.rect;
  if (rect.IsEmpty()) return;
  // The cap sits inside its rectangle so neighbouring caps keep a gap, and the view's outline
  // (drawn on the rectangle itself) stays visible around it.
  const double x = rect.left + 3, y = rect.top + 3;
  const double w = rect.Width() - 6, h = rect.Height() - 6;
  if (w <= 4 || h <= 4) return;
  RoundedRect(cr, x, y, w, h, 5);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
  cairo_fill(cr);
  RoundedRect(cr, x + 3, y + 2, w - 6, h - 8, 4);
  cairo_pattern_t* top = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(top, 0, 0.27, 0.28, 0.30);
  cairo_pattern_add_color_stop_rgb(top, 1, 0.18, 0.19, 0.21);
  cairo_set_source(cr, top);
  cairo_fill(cr);
  cairo_pattern_destroy(top);

  const std::string name = platform::ToUtf8(key.name);
  if (name.empty()) return;
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  double size = name.size() > 3 ? 9 : 11;
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, name.c_str(), &extents);
  if (extents.width > w - 8) {
    size = size * (w - 8) / extents.width;
    cairo_set_font_size(cr, size);
    cairo_text_extents(cr, name.c_str(), &extents);
  }
  // Legends sit in the upper left of the cap's top face, as printed caps have them.
  cairo_move_to(cr, x + 7 - extents.x_bearing, y + 5 - extents.y_bearing);
  cairo_set_source_rgb(cr, 0.88, 0.90, 0.92);
  cairo_show_text(cr, name.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: keyboard_picture DEVICE_FILE OUTPUT.png\n");
    return 2;
  }
  DeviceFile device;
  const auto result = device.Load(argv[1]);
  if (result != XmlDocument::LoadResult::Ok) {
    std::fprintf(stderr, "keyboard_picture: %s: %s\n", argv[1], DescribeLoadResult(result));
    return 1;
  }
  const KeyboardArea& area = device.Layout().Keyboard();
  if (!area.found || area.width <= 0 || area.height <= 0 || area.width > 8192 ||
      area.height > 8192) {
    std::fprintf(stderr, "keyboard_picture: %s: no usable Keyboard size\n", argv[1]);
    return 1;
  }
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, area.width, area.height);
  cairo_t* cr = cairo_create(surface);
  DrawCase(cr, area.width, area.height);
  for (const LayoutKey& key : device.Layout().Keys())
    DrawKey(cr, key);
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(surface, argv[2]);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "keyboard_picture: cannot write %s: %s\n", argv[2],
                 cairo_status_to_string(status));
    return 1;
  }
  return 0;
}
