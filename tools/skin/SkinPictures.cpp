// Draws every picture of the skin folder (skins/theme1) and writes pictures.txt, the list of
// their names, sizes and frame counts. Usage: skin_pictures OUTPUT_FOLDER
//
// Image strips hold their frames side by side, each `frame_width` wide. The keyboard pictures of
// the device files (keyboard/) are drawn by their own generator and are not touched here.
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "tools/skin/Drawing.h"
#include "tools/skin/Glyphs.h"
#include "tools/skin/IconFile.h"

namespace fs = std::filesystem;
using namespace skin;

namespace {

using DrawFrame = void (*)(cairo_t* cr, int frame, int width, int height);

struct Picture {
  const char* name;  // relative to the skin folder
  int frame_width;
  int height;
  int frames;
  DrawFrame draw;
};

State StateOf(int frame) {
  return static_cast<State>(frame % 4);
}

// ---- window pictures ----------------------------------------------------------------------

void MainBackground(cairo_t* cr, int, int w, int h) {
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h, Rgb(0x0F151D), Rgb(0x090D12));
  // A faint accent glow behind the pages, so the large dark area is not flat.
  cairo_pattern_t* glow =
      cairo_pattern_create_radial(w * 0.72, h * 0.18, 0, w * 0.72, h * 0.18, w * 0.6);
  cairo_pattern_add_color_stop_rgba(glow, 0, kAccent.r, kAccent.g, kAccent.b, 0.10);
  cairo_pattern_add_color_stop_rgba(glow, 1, kAccent.r, kAccent.g, kAccent.b, 0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  // The tab strip on the left is a shade darker.
  cairo_rectangle(cr, 0, 50, 80, h - 50);
  SetColour(cr, Rgb(0x000000, 0.22));
  cairo_fill(cr);
  cairo_rectangle(cr, 79, 50, 1, h - 50);
  SetColour(cr, kLine);
  cairo_fill(cr);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  SetColour(cr, kLine);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Caption(cairo_t* cr, int, int w, int h) {
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h, Rgb(0x18202B), Rgb(0x111821));
  // An accent hairline along the bottom that fades out towards both ends.
  cairo_pattern_t* line = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgba(line, 0, kAccent.r, kAccent.g, kAccent.b, 0);
  cairo_pattern_add_color_stop_rgba(line, 0.5, kAccent.r, kAccent.g, kAccent.b, 0.9);
  cairo_pattern_add_color_stop_rgba(line, 1, kAccent.r, kAccent.g, kAccent.b, 0);
  cairo_rectangle(cr, 0, h - 1, w, 1);
  cairo_set_source(cr, line);
  cairo_fill(cr);
  cairo_pattern_destroy(line);
}

// Drawn as a nine-part frame with 30-pixel borders over the message box.
void PromptBackground(cairo_t* cr, int, int w, int h) {
  RoundedRectangle(cr, 0, 0, w, h, 8);
  FillVertical(cr, 0, h, Rgb(0x18212C), Rgb(0x10161E));
  OutlineRounded(cr, 0, 0, w, h, 8, kLine);
  // An accent band across the top edge, inside the top border.
  cairo_save(cr);
  RoundedRectangle(cr, 0, 0, w, h, 8);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 0, w, 3);
  SetColour(cr, kAccent);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The widget gallery's window, drawn as a nine-part frame with 16-pixel corners: a two-pixel
// accent border around a dark panel.
void GalleryBackground(cairo_t* cr, int, int w, int h) {
  cairo_rectangle(cr, 0, 0, w, h);
  SetColour(cr, Rgb(0x1070C0));
  cairo_fill(cr);
  cairo_rectangle(cr, 2, 2, w - 4, h - 4);
  FillVertical(cr, 2, h - 2, Rgb(0x1C2A3C), Rgb(0x121C29));
}

// Drawn as a nine-part frame with 6-pixel borders behind key tips and balloons.
void TipBackground(cairo_t* cr, int, int w, int h) {
  FillRounded(cr, 0, 0, w, h, 6, Rgb(0x0E141B, 0.96));
  OutlineRounded(cr, 0, 0, w, h, 6, Rgb(0x11A9FD, 0.7));
}

void TipArrow(cairo_t* cr, double angle, int w, int h) {
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_rotate(cr, angle);
  const double half = std::fmax(w, h) / 2.0, depth = std::fmin(w, h) / 2.0;
  cairo_move_to(cr, depth, -half);
  cairo_line_to(cr, -depth, 0);
  cairo_line_to(cr, depth, half);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColour(cr, Rgb(0x0E141B, 0.96));
  cairo_fill(cr);
}
void TipArrowLeft(cairo_t* cr, int, int w, int h) {
  TipArrow(cr, 0, w, h);
}
void TipArrowRight(cairo_t* cr, int, int w, int h) {
  TipArrow(cr, M_PI, w, h);
}
void TipArrowTop(cairo_t* cr, int, int w, int h) {
  TipArrow(cr, M_PI / 2, w, h);
}

// ---- buttons ------------------------------------------------------------------------------

// The caption buttons: a glyph that lights up on a soft square; close turns red.
void CaptionButton(cairo_t* cr, int frame, int w, int h, Glyph glyph, bool danger) {
  const State state = StateOf(frame);
  const Colour hover = danger ? kDanger : kRaisedHover;
  const Colour pressed = danger ? kDangerDeep : kRaised;
  if (state == State::Hover) FillRounded(cr, 1, 1, w - 2, h - 2, 5, hover);
  if (state == State::Pressed) FillRounded(cr, 1, 1, w - 2, h - 2, 5, pressed);
  const Colour ink = state == State::Disabled ? kDisabled : state == State::Normal ? kMuted : kText;
  DrawGlyph(cr, glyph, (w - 16) / 2.0, (h - 16) / 2.0, 16, ink, 2.2);
}
void CloseButton(cairo_t* cr, int f, int w, int h) {
  CaptionButton(cr, f, w, h, GlyphClose, true);
}
void MinimiseButton(cairo_t* cr, int f, int w, int h) {
  CaptionButton(cr, f, w, h, GlyphMinus, false);
}
void WebsiteButton(cairo_t* cr, int f, int w, int h) {
  CaptionButton(cr, f, w, h, GlyphGlobe, false);
}

// Small square tool buttons beside the profile list and the macro step list.
void ToolButton(cairo_t* cr, int frame, int w, int h, Glyph glyph, bool danger) {
  const State state = StateOf(frame);
  const Colour fill = state == State::Hover     ? kRaisedHover
                      : state == State::Pressed ? kAccentDeep
                                                : kRaised;
  FillRounded(cr, 0, 0, w, h, w / 6.0, state == State::Disabled ? kPanel : fill);
  OutlineRounded(cr, 0, 0, w, h, w / 6.0,
                 state == State::Hover      ? kAccent
                 : state == State::Disabled ? kPanel
                                            : kLine);
  Colour ink = danger && state == State::Hover ? kDanger : kText;
  if (state == State::Disabled) ink = kDisabled;
  const double size = w * 0.6;
  DrawGlyph(cr, glyph, (w - size) / 2, (h - size) / 2, size, ink, w >= 30 ? 2.0 : 2.4);
}
void AddButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphPlus, false);
}
void DeleteButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphTrash, true);
}
void EditButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphPencil, false);
}
void ImportButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphImport, false);
}
void ExportButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphExport, false);
}
void StepDeleteButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphClose, true);
}
void StepUpButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphChevronUp, false);
}
void StepDownButton(cairo_t* cr, int f, int w, int h) {
  ToolButton(cr, f, w, h, GlyphChevronDown, false);
}

// The text button of every dialog and page; drawn as a nine-part frame with 10-pixel borders, so
// the corners stay inside them.
void TextButton(cairo_t* cr, int frame, int w, int h) {
  const State state = StateOf(frame);
  switch (state) {
    case State::Normal:
      RoundedRectangle(cr, 0, 0, w, h, 6);
      FillVertical(cr, 0, h, Rgb(0x1F2A38), Rgb(0x19222D));
      OutlineRounded(cr, 0, 0, w, h, 6, Rgb(0x11A9FD, 0.55));
      break;
    case State::Hover:
      RoundedRectangle(cr, 0, 0, w, h, 6);
      FillVertical(cr, 0, h, Rgb(0x22B4FF), kAccent);
      break;
    case State::Pressed:
      RoundedRectangle(cr, 0, 0, w, h, 6);
      FillVertical(cr, 0, h, kAccentDeep, Rgb(0x0C8CD6));
      break;
    case State::Disabled:
      FillRounded(cr, 0, 0, w, h, 6, kPanel);
      OutlineRounded(cr, 0, 0, w, h, 6, kLine);
      break;
  }
}

// Check and radio boxes: frames 0 to 3 are the off look, 4 to 7 the on look, each as normal,
// hover, pressed, disabled.
void BoxFrame(cairo_t* cr, int frame, int w, int h, bool round) {
  const State state = StateOf(frame);
  const bool on = frame >= 4;
  const double size = std::fmin(w, h) - 2, x = (w - size) / 2, y = (h - size) / 2;
  const double radius = round ? size / 2 : 4;
  Colour border = state == State::Hover || state == State::Pressed ? kAccent : kMuted;
  if (state == State::Disabled) border = kDisabled;
  if (on) {
    const Colour fill = state == State::Disabled  ? kDisabled
                        : state == State::Pressed ? kAccentDeep
                                                  : kAccent;
    if (round) {
      OutlineRounded(cr, x, y, size, size, radius, fill, 1.5);
      cairo_arc(cr, w / 2.0, h / 2.0, size * 0.26, 0, 2 * M_PI);
      SetColour(cr, fill);
      cairo_fill(cr);
    } else {
      FillRounded(cr, x, y, size, size, radius, fill);
      DrawGlyph(cr, GlyphCheck, x + 1, y + 1, size - 2, kText, 3);
    }
  } else {
    FillRounded(cr, x, y, size, size, radius, state == State::Pressed ? kRaisedHover : kRaised);
    OutlineRounded(cr, x, y, size, size, radius, border, 1.5);
  }
}
void CheckBox(cairo_t* cr, int f, int w, int h) {
  BoxFrame(cr, f, w, h, false);
}
void RadioBox(cairo_t* cr, int f, int w, int h) {
  BoxFrame(cr, f, w, h, true);
}

// The direction choices of the lighting page are radio buttons drawn as arrow tiles.
void DirectionTile(cairo_t* cr, int frame, int w, int h, Glyph glyph) {
  const State state = StateOf(frame);
  const bool on = frame >= 4;
  Colour fill = on ? kAccent : state == State::Hover ? kRaisedHover : kRaised;
  if (state == State::Pressed) fill = on ? kAccentDeep : kRaisedHover;
  if (state == State::Disabled) fill = kPanel;
  FillRounded(cr, 0, 0, w, h, 6, fill);
  if (!on) OutlineRounded(cr, 0, 0, w, h, 6, state == State::Hover ? kAccent : kLine);
  const Colour ink = state == State::Disabled ? kDisabled : on ? Rgb(0xFFFFFF) : kText;
  DrawGlyph(cr, glyph, w * 0.2, h * 0.2, w * 0.6, ink, 2.2);
}
void DirectionLeft(cairo_t* cr, int f, int w, int h) {
  DirectionTile(cr, f, w, h, GlyphArrowLeft);
}
void DirectionRight(cairo_t* cr, int f, int w, int h) {
  DirectionTile(cr, f, w, h, GlyphArrowRight);
}
void DirectionTop(cairo_t* cr, int f, int w, int h) {
  DirectionTile(cr, f, w, h, GlyphArrowUp);
}
void DirectionBottom(cairo_t* cr, int f, int w, int h) {
  DirectionTile(cr, f, w, h, GlyphArrowDown);
}

// The rotating-colours swatch: a conic rainbow in a rounded square.
void ColourfulSwatch(cairo_t* cr, int frame, int w, int h) {
  const State state = StateOf(frame);
  const double inset = 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (x < inset || y < inset || x >= w - inset || y >= h - inset) continue;
      const double hue = std::atan2(y + 0.5 - h / 2.0, x + 0.5 - w / 2.0) * 180 / M_PI + 180;
      Colour c = Hsv(hue, state == State::Disabled ? 0.25 : 0.85, 1);
      cairo_rectangle(cr, x, y, 1, 1);
      SetColour(cr, c);
      cairo_fill(cr);
    }
  if (state == State::Hover || state == State::Pressed) {
    OutlineRounded(cr, 0, 0, w, h, 3, Rgb(0xF5F5F5), 2);
  }
}

void ComboBox(cairo_t* cr, int frame, int w, int h) {
  const State state = StateOf(frame);
  FillRounded(cr, 0, 0, w, h, 6, state == State::Disabled ? kPanel : kRaised);
  const Colour border = state == State::Hover || state == State::Pressed ? kAccent
                        : state == State::Disabled                       ? kPanel
                                                                         : kLine;
  OutlineRounded(cr, 0, 0, w, h, 6, border);
  const double size = 14;
  DrawGlyph(cr, GlyphChevronDown, w - size - 12, (h - size) / 2, size,
            state == State::Disabled ? kDisabled : kMuted, 2.6);
}

// A key cap of the function picker; wide caps are drawn from it as a nine-part frame with
// 8-pixel borders.
void KeyCap(cairo_t* cr, int frame, int w, int h) {
  const State state = StateOf(frame);
  Colour top = Rgb(0x232E3C), bottom = Rgb(0x1A232E), edge = kLine;
  if (state == State::Hover) top = Rgb(0x2A384A), bottom = Rgb(0x212C3A), edge = kAccent;
  if (state == State::Pressed) top = Rgb(0x1AB0FF), bottom = kAccentDeep, edge = kAccent;
  if (state == State::Disabled) top = bottom = kPanel, edge = kPanel;
  RoundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 4);
  FillVertical(cr, 0, h, top, bottom);
  OutlineRounded(cr, 0, 0, w, h, 4, edge);
}

// Around the name being edited in a list; frame 1 is the one shown.
void EditFrame(cairo_t* cr, int frame, int w, int h) {
  const State state = StateOf(frame);
  FillRounded(cr, 0, 0, w, h, 4, Rgb(0x06182F));
  OutlineRounded(cr, 0, 0, w, h, 4,
                 state == State::Disabled ? kDisabled
                 : state == State::Normal ? kLine
                                          : kAccent);
}

// The rows of the keyboard list on the home page: frame 0 unavailable, frame 1 connected; drawn
// as nine-part frames with 12-pixel borders.
void DeviceState(cairo_t* cr, int frame, int w, int h) {
  if (frame == 0) {
    FillRounded(cr, 0, 0, w, h, 8, Rgb(0x141A22, 0.85));
    OutlineRounded(cr, 0, 0, w, h, 8, kLine);
    return;
  }
  RoundedRectangle(cr, 0, 0, w, h, 8);
  FillVertical(cr, 0, h, Rgb(0x11A9FD, 0.28), Rgb(0x11A9FD, 0.12));
  OutlineRounded(cr, 0, 0, w, h, 8, kAccent);
}

// ---- colour pickers -----------------------------------------------------------------------

// A real hue wheel: the colour picked is read from the screen under the thumb, so every pixel
// must carry the colour it stands for. Hue runs round, saturation grows from the white centre.
void HueWheel(cairo_t* cr, int, int w, int h) {
  cairo_surface_t* target = cairo_get_target(cr);
  cairo_surface_flush(target);
  unsigned char* data = cairo_image_surface_get_data(target);
  const int stride = cairo_image_surface_get_stride(target);
  const double cx = w / 2.0, cy = h / 2.0, radius = std::fmin(w, h) / 2.0 - 1;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double distance = std::sqrt(dx * dx + dy * dy);
      const double coverage = std::fmin(1, std::fmax(0, radius + 0.5 - distance));
      if (coverage <= 0) continue;
      const double hue = std::fmod(std::atan2(-dy, dx) * 180 / M_PI + 360, 360);
      const Colour c = Hsv(hue, std::fmin(1, distance / radius), 1);
      const auto channel = [coverage](double v) {
        return static_cast<uint32_t>(std::lround(v * coverage * 255));
      };
      row[x] = (channel(1) << 24) | (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
    }
  }
  cairo_surface_mark_dirty(target);
}

void PaletteThumb(cairo_t* cr, int, int w, int h) {
  cairo_arc(cr, w / 2.0, h / 2.0, w / 2.0 - 1.5, 0, 2 * M_PI);
  SetColour(cr, Rgb(0xFFFFFF));
  cairo_set_line_width(cr, 2);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb(0x000000, 0.35));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// ---- icons --------------------------------------------------------------------------------

// Tab icons: normal, hover and selected.
void TabIcon(cairo_t* cr, int frame, int w, int h, Glyph glyph) {
  const Colour ink = frame == 0 ? kMuted : frame == 1 ? kText : kAccent;
  DrawGlyph(cr, glyph, 0, 0, std::fmin(w, h), ink, 1.8);
}
void TabHome(cairo_t* cr, int f, int w, int h) {
  TabIcon(cr, f, w, h, GlyphHome);
}
void TabKeys(cairo_t* cr, int f, int w, int h) {
  TabIcon(cr, f, w, h, GlyphKeyboard);
}
void TabMacro(cairo_t* cr, int f, int w, int h) {
  TabIcon(cr, f, w, h, GlyphMacro);
}
void TabLight(cairo_t* cr, int f, int w, int h) {
  TabIcon(cr, f, w, h, GlyphLight);
}
void TabSettings(cairo_t* cr, int f, int w, int h) {
  TabIcon(cr, f, w, h, GlyphGear);
}

// Page icons beside the caption.
void PageIcon(cairo_t* cr, int w, int h, Glyph glyph) {
  DrawGlyph(cr, glyph, 0, 0, std::fmin(w, h), kAccent, 1.8);
}
void PageKeys(cairo_t* cr, int, int w, int h) {
  PageIcon(cr, w, h, GlyphKeyboard);
}
void PageMacro(cairo_t* cr, int, int w, int h) {
  PageIcon(cr, w, h, GlyphMacro);
}
void PageLight(cairo_t* cr, int, int w, int h) {
  PageIcon(cr, w, h, GlyphLight);
}
void PageSettings(cairo_t* cr, int, int w, int h) {
  PageIcon(cr, w, h, GlyphGear);
}

// The emblem: a vane (a slanted blade) over a key cap, in the accent colour.
void Logo(cairo_t* cr, int, int w, int h) {
  const double s = std::fmin(w, h) / 32.0;
  cairo_save(cr);
  cairo_scale(cr, s, s);
  RoundedRectangle(cr, 1, 1, 30, 30, 7);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 32, 32);
  cairo_pattern_add_color_stop_rgb(fill, 0, 0.15, 0.76, 1.0);
  cairo_pattern_add_color_stop_rgb(fill, 1, 0.02, 0.36, 0.72);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  // The letter K built from a stem and a vane.
  SetColour(cr, Rgb(0xFFFFFF));
  cairo_rectangle(cr, 8, 7.5, 4, 17);
  cairo_fill(cr);
  cairo_move_to(cr, 12, 16);
  cairo_line_to(cr, 20.5, 7.5);
  cairo_line_to(cr, 25.5, 7.5);
  cairo_line_to(cr, 16.5, 16.5);
  cairo_line_to(cr, 25.5, 24.5);
  cairo_line_to(cr, 20, 24.5);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void BatteryFrame(cairo_t* cr, int, int w, int h) {
  const double body = w - 4;
  OutlineRounded(cr, 0, 0, body, h, 4, kMuted, 1.5);
  FillRounded(cr, body, h * 0.3, 3, h * 0.4, 1, kMuted);
}

// Drawn from the left and cut to the charge level, so it fills the inside of the frame.
void BatteryLevel(cairo_t* cr, int, int w, int h) {
  const double body = w - 4;
  RoundedRectangle(cr, 3, 3, body - 6, h - 6, 2);
  cairo_pattern_t* fill = cairo_pattern_create_linear(3, 0, body - 3, 0);
  cairo_pattern_add_color_stop_rgb(fill, 0, kSuccess.r, kSuccess.g, kSuccess.b);
  cairo_pattern_add_color_stop_rgb(fill, 1, kAccent.r, kAccent.g, kAccent.b);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
}

void Charging(cairo_t* cr, int, int w, int h) {
  DrawGlyph(cr, GlyphBolt, (w - h) / 2.0, 0, h, Rgb(0xFFC53D));
}

void UsbConnection(cairo_t* cr, int, int w, int h) {
  DrawGlyph(cr, GlyphUsb, 0, 0, std::fmin(w, h), kText, 1.8);
}

// The row marker of the lists: frame 0 a hollow ring, frame 1 (selected row) a lit dot.
void RowMarker(cairo_t* cr, int frame, int w, int h) {
  const double r = std::fmin(w, h) / 2.0;
  if (frame == 0) {
    cairo_arc(cr, w / 2.0, h / 2.0, r - 4, 0, 2 * M_PI);
    SetColour(cr, kMuted);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return;
  }
  cairo_arc(cr, w / 2.0, h / 2.0, r - 1, 0, 2 * M_PI);
  SetColour(cr, Rgb(0x11A9FD, 0.3));
  cairo_fill(cr);
  cairo_arc(cr, w / 2.0, h / 2.0, r - 4, 0, 2 * M_PI);
  SetColour(cr, kAccent);
  cairo_fill(cr);
}

// Icons of the media and browser functions, drawn at 20 × 20 on the key caps.
template <Glyph glyph>
void FunctionIcon(cairo_t* cr, int, int w, int h) {
  DrawGlyph(cr, glyph, 0, 0, std::fmin(w, h), kText, 1.9);
}

// ---- the busy animation -------------------------------------------------------------------

constexpr int kLoadingFrames = 12;

// Twelve dots round a circle; the lit one moves on by one each frame and leaves a fading trail.
void Loading(cairo_t* cr, int frame, int w, int h) {
  cairo_rectangle(cr, 0, 0, w, h);
  SetColour(cr, Rgb(0x333333));  // the busy window's own colour, so the edges do not show
  cairo_fill(cr);
  const double radius = w * 0.3;
  for (int dot = 0; dot < kLoadingFrames; ++dot) {
    const int age = (frame - dot + kLoadingFrames) % kLoadingFrames;
    const double a = dot * 2 * M_PI / kLoadingFrames - M_PI / 2;
    const double strength = std::fmax(0.15, 1.0 - age * 0.14);
    cairo_arc(cr, w / 2.0 + radius * std::cos(a), h / 2.0 + radius * std::sin(a),
              3.2 + 2.2 * strength, 0, 2 * M_PI);
    SetColour(cr, Rgb(0x11A9FD, strength));
    cairo_fill(cr);
  }
}

const Picture kPictures[] = {
    {"main_bkg.png", 1280, 720, 1, MainBackground},
    {"pic_caption.png", 1278, 49, 1, Caption},
    {"bk_prompt.png", 380, 200, 1, PromptBackground},
    {"gallery/background.png", 48, 48, 1, GalleryBackground},
    {"img_tip_bk.png", 190, 100, 1, TipBackground},
    {"img_tip_arrow_left.png", 8, 16, 1, TipArrowLeft},
    {"img_tip_arrow_right.png", 8, 16, 1, TipArrowRight},
    {"img_tip_arrow_top.png", 16, 8, 1, TipArrowTop},
    {"main_sysbtn_close.png", 30, 30, 4, CloseButton},
    {"main_sysbtn_min.png", 30, 30, 4, MinimiseButton},
    {"main_sysbtn_website.png", 30, 30, 4, WebsiteButton},
    {"imgbtn_add.png", 30, 30, 4, AddButton},
    {"imgbtn_del.png", 30, 30, 4, DeleteButton},
    {"imgbtn_edit.png", 30, 30, 4, EditButton},
    {"imgbtn_import.png", 30, 30, 4, ImportButton},
    {"imgbtn_export.png", 30, 30, 4, ExportButton},
    {"btn_record_del.png", 20, 20, 4, StepDeleteButton},
    {"btn_record_up.png", 20, 20, 4, StepUpButton},
    {"btn_record_down.png", 20, 20, 4, StepDownButton},
    {"btn_apply.png", 120, 38, 4, TextButton},
    {"btn_checkbox.png", 20, 20, 8, CheckBox},
    {"btn_radiobox.png", 20, 20, 8, RadioBox},
    {"btn_direction_left.png", 40, 40, 8, DirectionLeft},
    {"btn_direction_right.png", 40, 40, 8, DirectionRight},
    {"btn_direction_top.png", 40, 40, 8, DirectionTop},
    {"btn_direction_bottom.png", 40, 40, 8, DirectionBottom},
    {"btn_colorful.png", 24, 24, 4, ColourfulSwatch},
    {"img_combobox.png", 200, 38, 4, ComboBox},
    {"img_customkey.png", 40, 28, 4, KeyCap},
    {"img_edit.png", 40, 32, 4, EditFrame},
    {"img_device_state.png", 240, 38, 2, DeviceState},
    {"img_circlepalette.png", 140, 140, 1, HueWheel},
    {"img_palette_thumb.png", 12, 12, 1, PaletteThumb},
    {"logo/logo.png", 32, 32, 1, Logo},
    {"icon/tab_home.png", 32, 32, 3, TabHome},
    {"icon/tab_customkey.png", 32, 32, 3, TabKeys},
    {"icon/tab_macro.png", 32, 32, 3, TabMacro},
    {"icon/tab_light.png", 32, 32, 3, TabLight},
    {"icon/tab_config.png", 32, 32, 3, TabSettings},
    {"icon/icon_keyboard.png", 32, 32, 1, PageKeys},
    {"icon/icon_macro.png", 32, 32, 1, PageMacro},
    {"icon/icon_lightmode.png", 32, 32, 1, PageLight},
    {"icon/icon_config.png", 32, 32, 1, PageSettings},
    {"icon/icon_battery_bkg.png", 40, 20, 1, BatteryFrame},
    {"icon/icon_batteryvalue.png", 40, 20, 1, BatteryLevel},
    {"icon/icon_charge.png", 14, 20, 1, Charging},
    {"icon/mode_usb.png", 24, 24, 1, UsbConnection},
    {"icon/icon_circle.png", 16, 16, 2, RowMarker},
    {"icon/icon_pc.png", 20, 20, 1, FunctionIcon<GlyphComputer>},
    {"icon/icon_cal.png", 20, 20, 1, FunctionIcon<GlyphCalculator>},
    {"icon/icon_email.png", 20, 20, 1, FunctionIcon<GlyphMail>},
    {"icon/icon_multimedia.png", 20, 20, 1, FunctionIcon<GlyphMusic>},
    {"icon/icon_playpause.png", 20, 20, 1, FunctionIcon<GlyphPlayPause>},
    {"icon/icon_stop.png", 20, 20, 1, FunctionIcon<GlyphStop>},
    {"icon/icon_pre.png", 20, 20, 1, FunctionIcon<GlyphPrevious>},
    {"icon/icon_next.png", 20, 20, 1, FunctionIcon<GlyphNext>},
    {"icon/icon_vol_down.png", 20, 20, 1, FunctionIcon<GlyphVolumeDown>},
    {"icon/icon_vol_up.png", 20, 20, 1, FunctionIcon<GlyphVolumeUp>},
    {"icon/icon_vol_mute.png", 20, 20, 1, FunctionIcon<GlyphMute>},
    {"icon/icon_home.png", 20, 20, 1, FunctionIcon<GlyphHome>},
    {"icon/icon_web_refresh.png", 20, 20, 1, FunctionIcon<GlyphRefresh>},
    {"icon/icon_web_stop.png", 20, 20, 1, FunctionIcon<GlyphStopLoading>},
    {"icon/icon_web_backward.png", 20, 20, 1, FunctionIcon<GlyphArrowLeft>},
    {"icon/icon_web_foreward.png", 20, 20, 1, FunctionIcon<GlyphArrowRight>},
    {"icon/icon_favorites.png", 20, 20, 1, FunctionIcon<GlyphStar>},
    {"icon/icon_web_search.png", 20, 20, 1, FunctionIcon<GlyphSearch>},
};

// Draws all frames of a picture into one strip.
cairo_surface_t* DrawStrip(const Picture& picture) {
  cairo_surface_t* surface = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, picture.frame_width * picture.frames, picture.height);
  for (int frame = 0; frame < picture.frames; ++frame) {
    // Each frame gets a surface of its own, so no drawing spills into its neighbours.
    cairo_surface_t* one =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.frame_width, picture.height);
    cairo_t* cr = cairo_create(one);
    picture.draw(cr, frame, picture.frame_width, picture.height);
    cairo_destroy(cr);
    cairo_t* strip = cairo_create(surface);
    cairo_set_source_surface(strip, one, frame * picture.frame_width, 0);
    cairo_paint(strip);
    cairo_destroy(strip);
    cairo_surface_destroy(one);
  }
  return surface;
}

bool WritePng(cairo_surface_t* surface, const fs::path& file) {
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  return cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

// GIF frames are handed to ImageMagick; every frame is opaque, so no disposal is needed.
bool WriteLoadingGif(const fs::path& file, int size) {
  const fs::path work = fs::temp_directory_path() / ("skin-loading-" + std::to_string(getpid()));
  std::error_code error;
  fs::create_directories(work, error);
  std::string command = "convert -delay 5 -loop 0";
  bool ok = true;
  for (int frame = 0; frame < kLoadingFrames && ok; ++frame) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    Loading(cr, frame, size, size);
    cairo_destroy(cr);
    char name[32];
    std::snprintf(name, sizeof name, "frame%02d.png", frame);
    ok = WritePng(surface, work / name);
    cairo_surface_destroy(surface);
    command += " '" + (work / name).string() + "'";
  }
  command += " '" + file.string() + "'";
  ok = ok && std::system(command.c_str()) == 0;
  fs::remove_all(work, error);
  return ok;
}

bool WriteTrayIcon(const fs::path& file) {
  std::vector<cairo_surface_t*> images;
  for (int size : {16, 24, 32, 48, 256}) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    Logo(cr, 0, size, size);
    cairo_destroy(cr);
    images.push_back(surface);
  }
  const bool ok = WriteIconFile(file, images);
  for (auto* image : images)
    cairo_surface_destroy(image);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_pictures OUTPUT_FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  std::ofstream list(folder / "pictures.txt", std::ios::trunc);
  if (!list) {
    std::fprintf(stderr, "skin_pictures: cannot write %s\n", (folder / "pictures.txt").c_str());
    return 1;
  }
  list << "# Pictures of this skin folder, made by tools/skin/skin_pictures.\n"
          "# name\twidth\theight\tframes (a PNG strip holds its frames side by side, each\n"
          "# width/frames wide; the frames of the GIF follow each other in time)\n";
  for (const auto& picture : kPictures) {
    cairo_surface_t* strip = DrawStrip(picture);
    const bool ok = WritePng(strip, folder / picture.name);
    cairo_surface_destroy(strip);
    if (!ok) {
      std::fprintf(stderr, "skin_pictures: cannot write %s\n", picture.name);
      return 1;
    }
    list << picture.name << '\t' << picture.frame_width * picture.frames << '\t' << picture.height
         << '\t' << picture.frames << '\n';
  }
  if (!WriteLoadingGif(folder / "loading.gif", 100)) {
    std::fprintf(stderr, "skin_pictures: cannot write loading.gif (is ImageMagick installed?)\n");
    return 1;
  }
  list << "loading.gif\t100\t100\t" << kLoadingFrames << '\n';
  if (!WriteTrayIcon(folder / "Keyvane.ico")) {
    std::fprintf(stderr, "skin_pictures: cannot write Keyvane.ico\n");
    return 1;
  }
  list << "Keyvane.ico\t256\t256\t1\n";
  return list ? 0 : 1;
}
