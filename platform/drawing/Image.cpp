#include "platform/Image.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/IcoReader.h"

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

bool FitsImage(int width, int height) {
  return width > 0 && height > 0 && width <= Image::kMaxSide && height <= Image::kMaxSide;
}

std::shared_ptr<Image> FromRgba(const stbi_uc* rgba, int width, int height) {
  auto image = std::make_shared<Image>(width, height);
  for (int y = 0; y < height; ++y) {
    const stbi_uc* source = rgba + static_cast<size_t>(y) * width * 4;
    uint32_t* row = image->Row(y);
    for (int x = 0; x < width; ++x, source += 4) {
      row[x] = Premultiply((uint32_t{source[3]} << 24) | (uint32_t{source[0]} << 16) |
                           (uint32_t{source[1]} << 8) | source[2]);
    }
  }
  return image;
}

// All frames of a GIF are held at once, so a small file must not be able to ask for more.
constexpr size_t kMaxAnimationPixels = size_t{64} << 20;

// Counts the image blocks of a GIF by walking its block structure; -1 when the structure runs
// past the end of the data.
int CountGifFrames(std::span<const uint8_t> bytes) {
  size_t at = 13;  // header and logical screen descriptor
  if (bytes.size() < at) return -1;
  const auto colour_table = [](uint8_t flags) {
    return (flags & 0x80) ? size_t{3} << ((flags & 7) + 1) : 0;
  };
  at += colour_table(bytes[10]);
  const auto skip_sub_blocks = [&bytes, &at]() {
    while (at < bytes.size() && bytes[at] != 0)
      at += size_t{bytes[at]} + 1;
    ++at;  // the terminating empty block
    return at <= bytes.size();
  };
  int frames = 0;
  while (at < bytes.size()) {
    const uint8_t block = bytes[at++];
    if (block == 0x3B) return frames;  // trailer
    if (block == 0x21) {               // extension: label, then data blocks
      ++at;
      if (!skip_sub_blocks()) return -1;
    } else if (block == 0x2C) {  // image: descriptor, colour table, code size, data blocks
      if (bytes.size() - at < 9) return -1;
      at += 9 + colour_table(bytes[at + 8]) + 1;
      if (at > bytes.size() || !skip_sub_blocks()) return -1;
      ++frames;
    } else {
      return -1;
    }
  }
  return frames;  // no trailer, but every block is whole
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
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
  const std::vector<uint8_t> bytes = ReadAll(path);
  return Decode(bytes);
}

std::shared_ptr<Image> Image::Decode(std::span<const uint8_t> bytes) {
  if (IcoReader::IsIcon(bytes)) return IcoReader::Decode(bytes);
  if (bytes.empty() || bytes.size() > static_cast<size_t>(INT32_MAX)) return nullptr;
  int width = 0, height = 0, channels = 0;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  // Check the size before decoding, so a forged header cannot make the decoder allocate wildly.
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return nullptr;
  if (!FitsImage(width, height)) return nullptr;
  stbi_uc* rgba = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
  if (!rgba) return nullptr;
  auto image = FromRgba(rgba, width, height);
  stbi_image_free(rgba);
  return image;
}

std::vector<ImageFrame> Image::LoadFrames(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadAll(path);
  return DecodeFrames(bytes);
}

std::vector<ImageFrame> Image::DecodeFrames(std::span<const uint8_t> bytes) {
  std::vector<ImageFrame> frames;
  const bool gif = bytes.size() >= 6 && std::memcmp(bytes.data(), "GIF8", 4) == 0;
  if (!gif) {
    if (auto image = Decode(bytes)) frames.push_back({std::move(image), 0});
    return frames;
  }
  if (bytes.size() > static_cast<size_t>(INT32_MAX)) return frames;
  int width = 0, height = 0, channels = 0, count = 0;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return frames;
  if (!FitsImage(width, height)) return frames;
  const int expected = CountGifFrames(bytes);
  if (expected <= 0 || static_cast<size_t>(expected) * width * height > kMaxAnimationPixels) {
    return frames;
  }
  int* delays = nullptr;
  // Frames come back composed (each a whole picture after the previous frame's disposal).
  stbi_uc* rgba =
      stbi_load_gif_from_memory(data, length, &delays, &width, &height, &count, &channels, 4);
  if (!rgba) return frames;
  const size_t frame_bytes = static_cast<size_t>(width) * height * 4;
  for (int i = 0; i < count; ++i) {
    auto image = FromRgba(rgba + frame_bytes * i, width, height);
    frames.push_back({std::move(image), delays ? std::max(0, delays[i]) : 0});
  }
  stbi_image_free(rgba);
  stbi_image_free(delays);
  return frames;
}

}  // namespace platform
