#include "platform/Image.h"

#include <fstream>
#include <iterator>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#include <stb/stb_image.h>

namespace platform {
namespace {

uint32_t Premultiply(uint32_t argb) {
  const uint32_t a = argb >> 24;
  if (a == 255) return argb;
  const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale((argb >> 16) & 0xFF) << 16) | (scale((argb >> 8) & 0xFF) << 8) |
         scale(argb & 0xFF);
}

uint32_t Unpremultiply(uint32_t value) {
  const uint32_t a = value >> 24;
  if (a == 255 || a == 0) return a == 0 ? 0 : value;
  const auto scale = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
  return (a << 24) | (scale((value >> 16) & 0xFF) << 16) | (scale((value >> 8) & 0xFF) << 8) |
         scale(value & 0xFF);
}

}  // namespace

Image::Image(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * height, 0);
}

uint32_t Image::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Unpremultiply(Row(y)[x]);
}

void Image::SetPixel(int x, int y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = Premultiply(argb);
}

std::shared_ptr<Image> Image::LoadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return nullptr;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) return nullptr;

  int width = 0, height = 0, channels = 0;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  // Check the size before decoding, so a forged header cannot make the decoder allocate wildly.
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return nullptr;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
  stbi_uc* rgba = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
  if (!rgba) return nullptr;

  auto image = std::make_shared<Image>(width, height);
  for (int y = 0; y < height; ++y) {
    const stbi_uc* source = rgba + static_cast<size_t>(y) * width * 4;
    uint32_t* row = image->Row(y);
    for (int x = 0; x < width; ++x, source += 4) {
      row[x] = Premultiply((uint32_t{source[3]} << 24) | (uint32_t{source[0]} << 16) |
                           (uint32_t{source[1]} << 8) | source[2]);
    }
  }
  stbi_image_free(rgba);
  return image;
}

}  // namespace platform
