#include "tests/ui/support/SkinFolder.h"

#include <algorithm>
#include <fstream>

#include "platform/fake/FakeFolders.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace uitest {
namespace {

std::filesystem::path SkinPath(const ScratchFolder& scratch, const std::string& name) {
  return scratch / "program" / "skins" / "theme1" / name;
}

void Put16(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

// LZW data of a GIF frame with 2-bit pixels: every pixel is sent as a literal code and the
// table is cleared after every second one, so codes stay 3 bits wide.
std::string EncodeIndexes(const std::vector<uint8_t>& pixels) {
  constexpr int kClear = 4, kEnd = 5, kBits = 3;
  std::string bytes;
  uint32_t buffer = 0;
  int filled = 0;
  const auto emit = [&](int code) {
    buffer |= static_cast<uint32_t>(code) << filled;
    filled += kBits;
    while (filled >= 8) {
      bytes.push_back(static_cast<char>(buffer & 0xFF));
      buffer >>= 8;
      filled -= 8;
    }
  };
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (i % 2 == 0) emit(kClear);
    emit(pixels[i]);
  }
  emit(kEnd);
  if (filled > 0) bytes.push_back(static_cast<char>(buffer & 0xFF));
  return bytes;
}

}  // namespace

SkinFolder::SkinFolder() : folders_(std::make_shared<platform::FakeFolders>(scratch_.Path())) {}

void SkinFolder::WriteBytes(const std::string& name, const std::string& bytes) {
  WriteTestFile(SkinPath(scratch_, name), bytes);
}

void SkinFolder::WriteStrip(const std::string& name, const std::vector<uint32_t>& colours,
                            int frame_width, int height) {
  const int width = frame_width * static_cast<int>(colours.size());
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colours[x / frame_width];
      uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
      p[0] = (c >> 16) & 0xFF;
      p[1] = (c >> 8) & 0xFF;
      p[2] = c & 0xFF;
      p[3] = c >> 24;
    }
  }
  int length = 0;
  unsigned char* png = stbi_write_png_to_mem(rgba.data(), width * 4, width, height, 4, &length);
  WriteBytes(name, std::string(reinterpret_cast<char*>(png), length));
  STBIW_FREE(png);
}

void SkinFolder::WriteGif(const std::string& name, const std::vector<uint32_t>& frame_colours,
                          int width, int height) {
  std::vector<uint32_t> palette;
  for (uint32_t c : frame_colours) {
    if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
  }
  palette.resize(4, 0);
  std::string gif = "GIF89a";
  Put16(gif, width);
  Put16(gif, height);
  gif += std::string("\x91\x00\x00", 3);  // a global table of 4 colours
  for (uint32_t c : palette) {
    gif.push_back(static_cast<char>((c >> 16) & 0xFF));
    gif.push_back(static_cast<char>((c >> 8) & 0xFF));
    gif.push_back(static_cast<char>(c & 0xFF));
  }
  for (uint32_t colour : frame_colours) {
    const auto index =
        static_cast<uint8_t>(std::find(palette.begin(), palette.end(), colour) - palette.begin());
    gif += std::string("\x21\xF9\x04\x00\x05\x00\x00\x00", 8);  // 50 ms, no transparency
    gif.push_back('\x2C');
    Put16(gif, 0);
    Put16(gif, 0);
    Put16(gif, width);
    Put16(gif, height);
    gif.push_back('\x00');
    gif.push_back('\x02');  // LZW minimum code size
    const std::string data =
        EncodeIndexes(std::vector<uint8_t>(static_cast<size_t>(width) * height, index));
    for (size_t at = 0; at < data.size(); at += 255) {
      const size_t part = std::min<size_t>(255, data.size() - at);
      gif.push_back(static_cast<char>(part));
      gif += data.substr(at, part);
    }
    gif.push_back('\x00');
  }
  gif.push_back('\x3B');
  WriteBytes(name, gif);
}

}  // namespace uitest
