#include "platform/ImageFrames.h"

#include <fstream>
#include <iterator>
#include <string>

#define STBI_NO_STDIO
#include <stb/stb_image.h>

namespace platform {
namespace {

bool IsGif(const std::string& bytes) {
  return bytes.size() >= 6 &&
         (bytes.compare(0, 6, "GIF87a") == 0 || bytes.compare(0, 6, "GIF89a") == 0);
}

}  // namespace

std::vector<std::shared_ptr<const Image>> LoadImageFrames(const std::filesystem::path& path) {
  std::vector<std::shared_ptr<const Image>> frames;
  std::ifstream file(path, std::ios::binary);
  if (!file) return frames;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!IsGif(bytes) || bytes.size() > static_cast<size_t>(INT32_MAX)) {
    if (auto still = Image::LoadFile(path)) frames.push_back(std::move(still));
    return frames;
  }

  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  // Check the size before decoding, so a forged header cannot make the decoder allocate wildly.
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return frames;
  if (width <= 0 || height <= 0 || width > Image::kMaxSide || height > Image::kMaxSide) {
    return frames;
  }
  int* delays = nullptr;
  int count = 0;
  stbi_uc* rgba =
      stbi_load_gif_from_memory(data, length, &delays, &width, &height, &count, &channels, 4);
  if (!rgba) return frames;
  const size_t frame_bytes = static_cast<size_t>(width) * height * 4;
  for (int index = 0; index < count; ++index) {
    auto image = std::make_shared<Image>(width, height);
    const stbi_uc* source = rgba + frame_bytes * index;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x, source += 4) {
        image->SetPixel(x, y,
                        (uint32_t{source[3]} << 24) | (uint32_t{source[0]} << 16) |
                            (uint32_t{source[1]} << 8) | source[2]);
      }
    }
    frames.push_back(std::move(image));
  }
  stbi_image_free(rgba);
  stbi_image_free(delays);
  return frames;
}

}  // namespace platform
