#include "platform/Painter.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/Text.h"

namespace platform {
namespace {

void SetColor(cairo_t* cr, uint32_t argb) {
  cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                        (argb & 0xFF) / 255.0, (argb >> 24) / 255.0);
}

// Wraps an Image's pixels without copying. Cairo never writes through a source surface, so the
// const_cast for a source image is safe.
cairo_surface_t* WrapImage(const Image& image) {
  return cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.Data())), CAIRO_FORMAT_ARGB32,
      image.Width(), image.Height(), image.Width() * 4);
}

}  // namespace

struct Painter::Impl {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  PangoLayout* layout = nullptr;

  ~Impl() {
    if (layout) g_object_unref(layout);
    if (cr) cairo_destroy(cr);
    if (surface) cairo_surface_destroy(surface);
  }

  // One layout per painter: making a pango layout is far dearer than setting its text.
  PangoLayout* Layout(const std::wstring& text, const Font& font) {
    if (!layout) layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = pango_font_description_new();
    const std::string family = ToUtf8(font.family);
    pango_font_description_set_family(description, family.c_str());
    pango_font_description_set_absolute_size(description,
                                             std::max(1, font.pixel_size) * double{PANGO_SCALE});
    pango_font_description_set_weight(description,
                                      font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description,
                                     font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);

    PangoAttrList* attributes = pango_attr_list_new();
    if (font.underline)
      pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);

    const std::string utf8 = ToUtf8(text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    return layout;
  }
};

Painter::Painter(Image& target) : target_(target), impl_(std::make_unique<Impl>()) {
  if (target.IsEmpty()) {
    // A 1x1 surface keeps every call valid; there is nothing to draw into anyway.
    impl_->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  } else {
    impl_->surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(target.Data()), CAIRO_FORMAT_ARGB32, target.Width(),
        target.Height(), target.Width() * 4);
  }
  impl_->cr = cairo_create(impl_->surface);
}

Painter::~Painter() {
  cairo_surface_flush(impl_->surface);
}

void Painter::Save() {
  cairo_save(impl_->cr);
}

void Painter::Restore() {
  cairo_restore(impl_->cr);
}

void Painter::ClipTo(const Rect& rect) {
  cairo_rectangle(impl_->cr, rect.left, rect.top, std::max(0, rect.Width()),
                  std::max(0, rect.Height()));
  cairo_clip(impl_->cr);
}

void Painter::Translate(int dx, int dy) {
  cairo_translate(impl_->cr, dx, dy);
}

Rect Painter::ClipBounds() {
  double x1, y1, x2, y2;
  cairo_clip_extents(impl_->cr, &x1, &y1, &x2, &y2);
  return {static_cast<int>(std::floor(x1)), static_cast<int>(std::floor(y1)),
          static_cast<int>(std::ceil(x2)), static_cast<int>(std::ceil(y2))};
}

void Painter::FillRect(const Rect& rect, uint32_t argb) {
  if (rect.IsEmpty() || (argb >> 24) == 0) return;
  SetColor(impl_->cr, argb);
  cairo_rectangle(impl_->cr, rect.left, rect.top, rect.Width(), rect.Height());
  cairo_fill(impl_->cr);
}

void Painter::ClearRect(const Rect& rect, uint32_t argb) {
  if (rect.IsEmpty()) return;
  cairo_save(impl_->cr);
  cairo_set_operator(impl_->cr, CAIRO_OPERATOR_SOURCE);
  SetColor(impl_->cr, argb);
  cairo_rectangle(impl_->cr, rect.left, rect.top, rect.Width(), rect.Height());
  cairo_fill(impl_->cr);
  cairo_restore(impl_->cr);
}

void Painter::DrawLine(double x1, double y1, double x2, double y2, uint32_t argb, double width) {
  SetColor(impl_->cr, argb);
  cairo_set_line_width(impl_->cr, width);
  cairo_move_to(impl_->cr, x1, y1);
  cairo_line_to(impl_->cr, x2, y2);
  cairo_stroke(impl_->cr);
}

void Painter::RoundedRect(double x, double y, double w, double h, double rx, double ry,
                          uint32_t pen, double pen_width, bool fill, uint32_t fill_argb) {
  if (w <= 0 || h <= 0) return;
  cairo_t* cr = impl_->cr;
  rx = std::clamp(rx, 0.0, w / 2);
  ry = std::clamp(ry, 0.0, h / 2);
  cairo_new_path(cr);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, x, y, w, h);
  } else {
    // Each corner is a unit arc scaled into its rx by ry box, clockwise from the top edge.
    const auto corner = [cr, rx, ry](double cx, double cy, double from) {
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, rx, ry);
      cairo_arc(cr, 0, 0, 1, from, from + M_PI / 2);
      cairo_restore(cr);
    };
    corner(x + w - rx, y + ry, -M_PI / 2);
    corner(x + w - rx, y + h - ry, 0);
    corner(x + rx, y + h - ry, M_PI / 2);
    corner(x + rx, y + ry, M_PI);
    cairo_close_path(cr);
  }
  if (fill) {
    SetColor(cr, fill_argb);
    cairo_fill_preserve(cr);
  }
  if (pen_width > 0) {
    SetColor(cr, pen);
    cairo_set_line_width(cr, pen_width);
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
}

void Painter::DrawImage(const Image& image, const Rect& source, const Rect& dest, uint8_t alpha) {
  const Rect bounds{0, 0, image.Width(), image.Height()};
  const Rect src = source.Intersect(bounds);
  if (image.IsEmpty() || src.IsEmpty() || dest.IsEmpty() || alpha == 0) return;
  cairo_surface_t* surface = WrapImage(image);
  cairo_t* cr = impl_->cr;
  cairo_save(cr);
  cairo_rectangle(cr, dest.left, dest.top, dest.Width(), dest.Height());
  cairo_clip(cr);
  cairo_translate(cr, dest.left, dest.top);
  const bool scaled = src.Width() != dest.Width() || src.Height() != dest.Height();
  if (scaled) {
    cairo_scale(cr, double(dest.Width()) / src.Width(), double(dest.Height()) / src.Height());
  }
  // Drawing a sub-surface keeps neighbouring frames of a strip from bleeding into a stretched part.
  cairo_surface_t* part =
      cairo_surface_create_for_rectangle(surface, src.left, src.top, src.Width(), src.Height());
  cairo_set_source_surface(cr, part, 0, 0);
  cairo_pattern_t* pattern = cairo_get_source(cr);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(pattern, scaled ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
  if (alpha == 255) {
    cairo_paint(cr);
  } else {
    cairo_paint_with_alpha(cr, alpha / 255.0);
  }
  cairo_restore(cr);
  cairo_surface_destroy(part);
  cairo_surface_destroy(surface);
}

TextSize Painter::MeasureText(const std::wstring& text, const Font& font) {
  PangoLayout* layout = impl_->Layout(text, font);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  return {width, height};
}

TextExtents Painter::MeasureTextExtents(const std::wstring& text, const Font& font,
                                        int wrap_width) {
  PangoLayout* layout = impl_->Layout(text, font);
  if (wrap_width > 0) {
    pango_layout_set_single_paragraph_mode(layout, FALSE);
    pango_layout_set_width(layout, wrap_width * PANGO_SCALE);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  }
  PangoRectangle ink;
  pango_layout_get_extents(layout, &ink, nullptr);
  TextExtents extents;
  extents.ink_width = double(ink.width) / PANGO_SCALE;
  extents.ink_height = double(ink.height) / PANGO_SCALE;
  PangoContext* context = pango_layout_get_context(layout);
  PangoFontMetrics* metrics =
      pango_context_get_metrics(context, pango_layout_get_font_description(layout), nullptr);
  extents.line_height =
      double(pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics)) /
      PANGO_SCALE;
  pango_font_metrics_unref(metrics);
  // The shared layout goes back to one unwrapped line for everyone else.
  pango_layout_set_width(layout, -1);
  return extents;
}

void Painter::DrawText(const std::wstring& text, const Font& font, const Rect& box,
                       TextAlign horizontal, TextAlign vertical, uint32_t argb) {
  if (text.empty() || box.IsEmpty() || (argb >> 24) == 0) return;
  PangoLayout* layout = impl_->Layout(text, font);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  const auto offset = [](TextAlign align, int room, int size) {
    switch (align) {
      case TextAlign::Center:
        return (room - size) / 2;
      case TextAlign::Far:
        return room - size;
      case TextAlign::Near:
        break;
    }
    return 0;
  };
  cairo_t* cr = impl_->cr;
  cairo_save(cr);
  cairo_rectangle(cr, box.left, box.top, box.Width(), box.Height());
  cairo_clip(cr);
  SetColor(cr, argb);
  cairo_move_to(cr, box.left + offset(horizontal, box.Width(), width),
                box.top + offset(vertical, box.Height(), height));
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

}  // namespace platform
