#include "ui/core/MRender.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "platform/Folders.h"

namespace LumoUI {
namespace {

// Blends one premultiplied pixel over another with a constant alpha on top of its own.
uint32_t Blend(uint32_t source, uint32_t dest, uint32_t alpha) {
  const uint32_t source_alpha = ((source >> 24) * alpha + 127) / 255;
  const uint32_t keep = 255 - source_alpha;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t s = (((source >> shift) & 0xFF) * alpha + 127) / 255;
    const uint32_t d = (((dest >> shift) & 0xFF) * keep + 127) / 255;
    out |= std::min<uint32_t>(255, s + d) << shift;
  }
  return out;
}

// Blends a `width` by `height` block of src at (sx, sy) into dst at (x, y), clipped to both.
template <typename AlphaOf>
void BlendBlock(platform::Image& dst, const platform::Image& src, int x, int y, int sx, int sy,
                int width, int height, AlphaOf alpha_of) {
  for (int row = 0; row < height; ++row) {
    const int dy = y + row, syy = sy + row;
    if (dy < 0 || dy >= dst.Height() || syy < 0 || syy >= src.Height()) continue;
    uint32_t* out = dst.Row(dy);
    const uint32_t* in = src.Row(syy);
    for (int column = 0; column < width; ++column) {
      const int dx = x + column, sxx = sx + column;
      if (dx < 0 || dx >= dst.Width() || sxx < 0 || sxx >= src.Width()) continue;
      out[dx] = Blend(in[sxx], out[dx], alpha_of(column, row));
    }
  }
}

// The alpha of band i of n of a fade between two transparency percentages.
struct Fade {
  double first;
  double step;
  int Alpha(int i) const { return static_cast<int>(first + i * step) & 0xFF; }
};

Fade MakeFade(int from, int to, int bands) {
  const int hi = 255 - std::min(from, to) * 255 / 100;
  const int lo = (100 - std::max(from, to)) * 255 / 100;
  const double step = double(hi - lo) / bands;
  return from < to ? Fade{double(hi), -step} : Fade{double(lo), step};
}

bool HasFraction(double value) {
  return value != std::floor(value);
}

platform::Painter& MeasuringPainter() {
  // Measuring needs a drawing context but no pixels; one per thread keeps it cheap.
  struct Measurer {
    platform::Image image{1, 1};
    platform::Painter painter{image};
  };
  thread_local Measurer measurer;
  return measurer.painter;
}

platform::TextAlign Horizontal(unsigned format) {
  if (format & DT_CENTER) return platform::TextAlign::Center;
  if (format & DT_RIGHT) return platform::TextAlign::Far;
  return platform::TextAlign::Near;
}

platform::TextAlign Vertical(unsigned format) {
  if (format & DT_VCENTER) return platform::TextAlign::Center;
  if (format & DT_BOTTOM) return platform::TextAlign::Far;
  return platform::TextAlign::Near;
}

void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::shared_ptr<platform::Image> MRender::LoadImageFromFile(const std::wstring& path) {
  if (path.empty()) return nullptr;
  return platform::Image::LoadFile(platform::FromWindowsName(path));
}

std::vector<platform::ImageFrame> MRender::LoadImageFrames(const std::wstring& path) {
  if (path.empty()) return {};
  return platform::Image::LoadFrames(platform::FromWindowsName(path));
}

std::shared_ptr<platform::Image> MRender::LoadIconFromFile(const std::wstring& path) {
  return LoadImageFromFile(path);
}

void MRender::DrawImageFrame(platform::Painter& painter, const platform::Image& image,
                             const CRect& dest, int sx, int sy, int sw, int sh, int border) {
  DrawImageFrameMID(painter, image, dest, sx, sy, sw, sh, border, border, border, border);
}

void MRender::DrawImageFrameMID(platform::Painter& painter, const platform::Image& image,
                                const CRect& dest, int sx, int sy, int sw, int sh, int left,
                                int top, int right, int bottom) {
  if (image.IsEmpty() || dest.IsRectEmpty() || sw <= 0 || sh <= 0) return;
  // Borders never exceed the source or the destination; what is left becomes the middle.
  left = std::clamp(left, 0, std::min(sw, dest.Width()) / 2);
  right = std::clamp(right, 0, std::min(sw, dest.Width()) / 2);
  top = std::clamp(top, 0, std::min(sh, dest.Height()) / 2);
  bottom = std::clamp(bottom, 0, std::min(sh, dest.Height()) / 2);

  const int src_x[] = {sx, sx + left, sx + sw - right, sx + sw};
  const int src_y[] = {sy, sy + top, sy + sh - bottom, sy + sh};
  const int dst_x[] = {dest.left, dest.left + left, dest.right - right, dest.right};
  const int dst_y[] = {dest.top, dest.top + top, dest.bottom - bottom, dest.bottom};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const platform::Rect source{src_x[column], src_y[row], src_x[column + 1], src_y[row + 1]};
      const platform::Rect target{dst_x[column], dst_y[row], dst_x[column + 1], dst_y[row + 1]};
      if (source.IsEmpty() || target.IsEmpty()) continue;
      painter.DrawImage(image, source, target);
    }
  }
}

void MRender::DrawStripFrame(platform::Painter& painter, const platform::Image& image, int count,
                             int frame, const CRect& dest, int border) {
  if (count < 1 || frame < 0 || frame >= count) return;
  const int width = image.Width() / count;
  if (width <= 0) return;
  if (border > 0) {
    DrawImageFrame(painter, image, dest, frame * width, 0, width, image.Height(), border);
  } else {
    painter.DrawImage(image, {frame * width, 0, (frame + 1) * width, image.Height()},
                      dest.ToPlatform());
  }
}

int MRender::DrawVerticalTransition(platform::Image& dst, const platform::Image& src,
                                    const CRect& dest, const CRect& source, int from, int to) {
  const int rows = dest.Height();
  if (rows <= 0 || dest.Width() <= 0) return 0;
  const Fade fade = MakeFade(from, to, rows);
  BlendBlock(dst, src, dest.left, dest.top, source.left, source.top, dest.Width(), rows,
             [&fade](int, int row) { return fade.Alpha(row); });
  return fade.Alpha(rows - 1);
}

int MRender::DrawHorizontalTransition(platform::Image& dst, const platform::Image& src,
                                      const CRect& dest, const CRect& source, int from, int to) {
  const int columns = dest.Width();
  if (columns <= 0 || dest.Height() <= 0) return 0;
  const Fade fade = MakeFade(from, to, columns);
  BlendBlock(dst, src, dest.left, dest.top, source.left, source.top, columns, dest.Height(),
             [&fade](int column, int) { return fade.Alpha(column); });
  return fade.Alpha(columns - 1);
}

void MRender::DrawRightBottomTransition(platform::Image& dst, const platform::Image& src,
                                        const CRect& rect, int size) {
  if (size <= 0 || rect.IsRectEmpty()) return;
  const int x = rect.left + rect.Width() - size, y = rect.top + rect.Height() - size;
  BlendBlock(dst, src, x, y, x, y, size, size, [size](int column, int row) {
    const int distance = static_cast<int>(std::sqrt(double(column * column + row * row)));
    return 255 - std::min(size, distance) * 255 / size;
  });
}

void MRender::RoundRectRadii(float w, float h, float k, float& rx, float& ry) {
  if (k <= 0) {
    // No sensible roundness: square corners rather than a division by zero.
    rx = ry = 0;
    return;
  }
  rx = w / k / 2;
  ry = h / k / 2;
  if (std::fabs(rx - ry) > 10) rx = ry = std::min(rx, ry);
}

void MRender::DrawRoundRectange(platform::Painter& painter, float x, float y, float w, float h,
                                float k, Color pen, float pen_width, bool fill, Color fill_colour) {
  float rx = 0, ry = 0;
  RoundRectRadii(w, h, k, rx, ry);
  painter.RoundedRect(x, y, w, h, rx, ry, pen.argb, pen_width, fill, fill_colour.argb);
}

void MRender::DrawRoundRectange(platform::Painter& painter, float x, float y, float w, float h,
                                float k, Color pen, float pen_width) {
  DrawRoundRectange(painter, x, y, w, h, k, pen, pen_width, false, Color(0));
}

CSize MRender::GetTextBounds(const platform::Font& font, const std::wstring& text) {
  const platform::TextExtents extents = MeasuringPainter().MeasureTextExtents(text, font);
  const double line = extents.line_height + (HasFraction(extents.line_height) ? 4 : 1);
  return {static_cast<int>(std::ceil(extents.ink_width)), static_cast<int>(line)};
}

CSize MRender::GetTextBounds(const platform::Font& font, int width, const std::wstring& text) {
  const platform::TextExtents extents =
      MeasuringPainter().MeasureTextExtents(text, font, std::max(1, width));
  const auto padded = [](double value) {
    return static_cast<int>(value + (HasFraction(value) ? 2 : 1));
  };
  const int line = padded(extents.line_height);
  const int bounds = padded(extents.ink_height);
  // Taller than one line means the text wrapped.
  const int height = bounds > line ? bounds + 5 : line + 1;
  return {static_cast<int>(std::ceil(extents.ink_width)), height};
}

void MRender::DrawTextW(platform::Painter& painter, const CRect& rect, const wchar_t* text,
                        COLORREF colour, const platform::Font& font, unsigned format) {
  if (!text) return;
  painter.DrawText(text, font, rect.ToPlatform(), Horizontal(format), Vertical(format),
                   ArgbFromColorRef(colour));
}

CPoint MRender::GetOriginPoint(int outer_width, int outer_height, int inner_width, int inner_height,
                               unsigned h_align, unsigned v_align) {
  CPoint point;
  if (h_align == DT_CENTER) point.x = (outer_width - inner_width) / 2;
  if (h_align == DT_RIGHT) point.x = outer_width - inner_width;
  if (v_align == DT_VCENTER) point.y = (outer_height - inner_height) / 2;
  if (v_align == DT_BOTTOM) point.y = outer_height - inner_height;
  return point;
}

CPoint MRender::GetOriginPoint(CRect outer, int width, int height, unsigned h_align,
                               unsigned v_align) {
  const CPoint offset =
      GetOriginPoint(outer.Width(), outer.Height(), width, height, h_align, v_align);
  return {outer.left + offset.x, outer.top + offset.y + 2};
}

platform::Image MRender::CreateARGB32Bitmap(int width, int height) {
  return platform::Image(width, height);
}

void MRender::DrawColor(platform::Painter& painter, const CRect& rect, uint32_t argb) {
  if ((argb >> 24) == 0) return;
  painter.FillRect(rect.ToPlatform(), argb);
}

void MRender::FillSolidRect(platform::Painter& painter, const CRect& rect, COLORREF colour) {
  painter.FillRect(rect.ToPlatform(), ArgbFromColorRef(colour));
}

void MRender::DrawGradient(platform::Painter& painter, const CRect& rect, uint32_t from,
                           uint32_t to, bool vertical, int) {
  // The colours run opaque and the whole gradient is then laid on with the mean alpha.
  const uint32_t alpha = ((from >> 24) + (to >> 24)) / 2;
  if (alpha == 0 || rect.IsRectEmpty()) return;
  const int length = vertical ? rect.Height() : rect.Width();
  for (int i = 0; i < length; ++i) {
    const double t = length > 1 ? double(i) / (length - 1) : 0;
    uint32_t colour = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
      const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
      colour |= static_cast<uint32_t>(std::lround(a + (b - a) * t)) << shift;
    }
    const CRect band = vertical ? CRect(rect.left, rect.top + i, rect.right, rect.top + i + 1)
                                : CRect(rect.left + i, rect.top, rect.left + i + 1, rect.bottom);
    painter.FillRect(band.ToPlatform(), colour);
  }
}

void MRender::BitBlt(platform::Image& dst, int x, int y, int width, int height,
                     const platform::Image& src, int sx, int sy) {
  for (int row = 0; row < height; ++row) {
    const int dy = y + row, syy = sy + row;
    if (dy < 0 || dy >= dst.Height() || syy < 0 || syy >= src.Height()) continue;
    for (int column = 0; column < width; ++column) {
      const int dx = x + column, sxx = sx + column;
      if (dx < 0 || dx >= dst.Width() || sxx < 0 || sxx >= src.Width()) continue;
      dst.Row(dy)[dx] = src.Row(syy)[sxx];
    }
  }
}

void MRender::CheckAlphaColor(uint32_t& colour) {
  if ((colour & 0xFFFFFF) == 0) colour = (colour & 0xFF000000) | 1;
}

bool MRender::SaveBitmapToFile(const platform::Image& image, const std::wstring& path) {
  if (image.IsEmpty() || path.empty()) return false;
  constexpr uint32_t kHeaders = 14 + 40;
  const uint32_t stride = (static_cast<uint32_t>(image.Width()) * 3 + 3) & ~3u;
  const uint32_t pixel_bytes = stride * image.Height();
  std::string out;
  out.reserve(kHeaders + pixel_bytes);
  out += "BM";
  PutLe(out, kHeaders + pixel_bytes, 4);
  PutLe(out, 0, 4);
  PutLe(out, kHeaders, 4);
  PutLe(out, 40, 4);
  PutLe(out, image.Width(), 4);
  PutLe(out, image.Height(), 4);  // positive: rows bottom-up
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  PutLe(out, 0, 4);  // no compression
  PutLe(out, pixel_bytes, 4);
  PutLe(out, 2835, 4);  // 72 dots per inch
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < image.Width(); ++x)
      PutLe(out, image.Pixel(x, y) & 0xFFFFFF, 3);
    out.resize(start + stride, '\0');
  }
  std::ofstream file(platform::FromWindowsName(path), std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace LumoUI
