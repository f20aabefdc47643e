#include "tools/skin/IconFile.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace {

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// A BITMAPINFOHEADER, the pixels bottom row first as straight (not premultiplied) BGRA, and an
// all-clear AND mask: the alpha channel alone decides what shows.
std::string BitmapEntry(cairo_surface_t* image) {
  cairo_surface_flush(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* pixels = cairo_image_surface_get_data(image);
  std::string out;
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height * 2);  // the colour rows and the mask rows
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i)
    Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const uint32_t*>(pixels + y * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t argb = row[x];
      const uint32_t a = argb >> 24;
      auto straight = [a](uint32_t c) { return a == 0 ? 0u : (c * 255 + a / 2) / a; };
      out += static_cast<char>(straight(argb & 0xFF));
      out += static_cast<char>(straight((argb >> 8) & 0xFF));
      out += static_cast<char>(straight((argb >> 16) & 0xFF));
      out += static_cast<char>(a);
    }
  }
  const int mask_row = ((width + 31) / 32) * 4;
  out.append(static_cast<size_t>(mask_row) * height, '\0');
  return out;
}

}  // namespace

bool WriteIconFile(const std::filesystem::path& file, const std::vector<cairo_surface_t*>& images) {
  std::vector<std::string> entries;
  for (auto* image : images) {
    if (cairo_image_surface_get_width(image) > 128) {
      std::string png;
      if (cairo_surface_write_to_png_stream(image, AppendPng, &png) != CAIRO_STATUS_SUCCESS) {
        return false;
      }
      entries.push_back(std::move(png));
    } else {
      entries.push_back(BitmapEntry(image));
    }
  }
  std::string out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int width = cairo_image_surface_get_width(images[i]);
    const int height = cairo_image_surface_get_height(images[i]);
    out += static_cast<char>(width >= 256 ? 0 : width);  // 0 stands for 256
    out += static_cast<char>(height >= 256 ? 0 : height);
    out += '\0';  // no palette
    out += '\0';
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<uint32_t>(entries[i].size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(entries[i].size());
  }
  for (const auto& entry : entries)
    out += entry;
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(stream);
}
