#include "platform/IconFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace platform {
namespace {

uint32_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | (bytes[at + 1] << 8);
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return Read16(bytes, at) | (Read16(bytes, at + 2) << 16);
}

// A 32-bit bitmap entry: an info header, then bottom-up rows of blue, green, red, alpha.
std::shared_ptr<Image> ReadBitmapEntry(const std::vector<uint8_t>& bytes, size_t offset,
                                       size_t length) {
  if (length < 40 || offset + length > bytes.size()) return nullptr;
  const uint32_t header = Read32(bytes, offset);
  const auto width = static_cast<int32_t>(Read32(bytes, offset + 4));
  // The height counts the colour rows and the transparency mask below them.
  const auto height = static_cast<int32_t>(Read32(bytes, offset + 8)) / 2;
  const uint32_t bits = Read16(bytes, offset + 14);
  if (bits != 32 || width <= 0 || height <= 0 || width > 1024 || height > 1024) return nullptr;
  const size_t pixels = offset + header;
  if (header < 40 || pixels + size_t(width) * height * 4 > offset + length) return nullptr;
  auto image = std::make_shared<Image>(width, height);
  for (int y = 0; y < height; ++y) {
    const size_t row = pixels + size_t(height - 1 - y) * width * 4;
    for (int x = 0; x < width; ++x) {
      const size_t at = row + size_t(x) * 4;
      image->SetPixel(x, y,
                      (uint32_t(bytes[at + 3]) << 24) | (uint32_t(bytes[at + 2]) << 16) |
                          (uint32_t(bytes[at + 1]) << 8) | bytes[at]);
    }
  }
  return image;
}

}  // namespace

std::shared_ptr<Image> LoadIconFile(const std::filesystem::path& path, int size) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return nullptr;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  if (bytes.size() < 6 || Read16(bytes, 0) != 0 || Read16(bytes, 2) != 1) return nullptr;
  const uint32_t count = Read16(bytes, 4);
  std::shared_ptr<Image> best;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t entry = 6 + size_t(i) * 16;
    if (entry + 16 > bytes.size()) break;
    auto image = ReadBitmapEntry(bytes, Read32(bytes, entry + 12), Read32(bytes, entry + 8));
    if (!image) continue;
    const bool fits = image->Width() >= size;
    const bool best_fits = best && best->Width() >= size;
    if (!best || (fits && (!best_fits || image->Width() < best->Width())) ||
        (!fits && !best_fits && image->Width() > best->Width())) {
      best = image;
    }
  }
  return best;
}

}  // namespace platform
