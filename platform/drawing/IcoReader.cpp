#include "platform/IcoReader.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

namespace platform {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;
// DIB entries larger than this are not icons; it also bounds what a forged header can allocate.
constexpr int kMaxDibSide = 1024;

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t U32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

struct Entry {
  int size = 0;  // the larger side the directory gives
  int bit_count = 0;
  std::span<const uint8_t> data;
};

bool IsPng(std::span<const uint8_t> data) {
  static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return data.size() >= sizeof kSignature &&
         std::memcmp(data.data(), kSignature, sizeof kSignature) == 0;
}

uint32_t Premultiplied(uint32_t b, uint32_t g, uint32_t r, uint32_t a) {
  const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale(r) << 16) | (scale(g) << 8) | scale(b);
}

// Row strides of a DIB are padded to 4 bytes.
size_t Stride(int width, int bits) {
  return ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
}

std::shared_ptr<Image> DecodeDib(std::span<const uint8_t> data) {
  if (data.size() < kInfoHeaderSize) return nullptr;
  const uint8_t* header = data.data();
  const uint32_t header_size = U32(header);
  const auto width = static_cast<int32_t>(U32(header + 4));
  const auto double_height = static_cast<int32_t>(U32(header + 8));
  const int bits = U16(header + 14);
  const uint32_t compression = U32(header + 16);
  const uint32_t colours_used = U32(header + 32);
  // The height counts the colour rows and the mask rows together.
  const int height = double_height / 2;
  if (header_size < kInfoHeaderSize || header_size > data.size()) return nullptr;
  if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide) return nullptr;
  // Plain pixels only; 32-bit entries may name their (standard) masks as bit fields.
  if (compression != 0 && !(compression == 3 && bits == 32)) return nullptr;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return nullptr;

  size_t offset = header_size;
  if (compression == 3 && header_size == kInfoHeaderSize) offset += 12;  // the three masks
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    const size_t most = size_t{1} << bits;
    const size_t count = colours_used == 0 ? most : std::min<size_t>(colours_used, most);
    if (offset > data.size() || (data.size() - offset) / 4 < count) return nullptr;
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* p = data.data() + offset + i * 4;
      palette.push_back(Premultiplied(p[0], p[1], p[2], 255));
    }
    offset += count * 4;
    palette.resize(most, 0xFF000000);  // indices past the palette draw black, as Windows does
  }

  const size_t colour_stride = Stride(width, bits);
  const size_t mask_stride = Stride(width, 1);
  const size_t colour_bytes = colour_stride * height;
  if (offset > data.size() || data.size() - offset < colour_bytes) return nullptr;
  const uint8_t* colours = data.data() + offset;
  // Some 32-bit entries leave the mask out: their alpha says everything.
  const bool has_mask = data.size() - offset - colour_bytes >= mask_stride * height;
  if (!has_mask && bits != 32) return nullptr;
  const uint8_t* mask = has_mask ? colours + colour_bytes : nullptr;

  bool any_alpha = false;
  if (bits == 32) {
    for (int y = 0; y < height && !any_alpha; ++y) {
      const uint8_t* row = colours + colour_stride * y;
      for (int x = 0; x < width && !any_alpha; ++x)
        any_alpha = row[x * 4 + 3] != 0;
    }
  }

  auto image = std::make_shared<Image>(width, height);
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up.
    const uint8_t* row = colours + colour_stride * (height - 1 - y);
    const uint8_t* mask_row = mask ? mask + mask_stride * (height - 1 - y) : nullptr;
    uint32_t* out = image->Row(y);
    for (int x = 0; x < width; ++x) {
      uint32_t pixel = 0;
      switch (bits) {
        case 1:
          pixel = palette[(row[x / 8] >> (7 - x % 8)) & 1];
          break;
        case 4:
          pixel = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
          break;
        case 8:
          pixel = palette[row[x]];
          break;
        case 24:
          pixel = Premultiplied(row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255);
          break;
        case 32:
          pixel = Premultiplied(row[x * 4], row[x * 4 + 1], row[x * 4 + 2],
                                any_alpha ? row[x * 4 + 3] : 255);
          break;
      }
      // Where the colours carry no alpha, a set mask bit makes the pixel transparent.
      const bool masked = mask_row && !any_alpha && ((mask_row[x / 8] >> (7 - x % 8)) & 1);
      out[x] = masked ? 0 : pixel;
    }
  }
  return image;
}

std::vector<Entry> ReadDirectory(std::span<const uint8_t> bytes) {
  std::vector<Entry> entries;
  if (!IcoReader::IsIcon(bytes)) return entries;
  const int count = U16(bytes.data() + 4);
  if (bytes.size() < kDirectorySize + kEntrySize * count) return entries;
  for (int i = 0; i < count; ++i) {
    const uint8_t* p = bytes.data() + kDirectorySize + kEntrySize * i;
    const uint32_t size = U32(p + 8);
    const uint32_t offset = U32(p + 12);
    if (offset > bytes.size() || size > bytes.size() - offset || size == 0) continue;
    // A side of 0 in the directory means 256.
    const int width = p[0] == 0 ? 256 : p[0];
    const int height = p[1] == 0 ? 256 : p[1];
    entries.push_back({std::max(width, height), U16(p + 6), bytes.subspan(offset, size)});
  }
  return entries;
}

}  // namespace

bool IcoReader::IsIcon(std::span<const uint8_t> bytes) {
  // Reserved 0, type 1 (icon), at least one entry.
  return bytes.size() >= kDirectorySize && U16(bytes.data()) == 0 && U16(bytes.data() + 2) == 1 &&
         U16(bytes.data() + 4) > 0;
}

int IcoReader::EntryCount(std::span<const uint8_t> bytes) {
  return IsIcon(bytes) ? U16(bytes.data() + 4) : 0;
}

std::shared_ptr<Image> IcoReader::Decode(std::span<const uint8_t> bytes, int wanted_size) {
  std::vector<Entry> entries = ReadDirectory(bytes);
  // Best first: entries at least as large as wanted (smallest first), then smaller ones (largest
  // first); deeper colours first among equal sizes.
  const auto rank = [wanted_size](const Entry& e) {
    const bool fits = e.size >= wanted_size;
    return std::tuple(fits ? 0 : 1, fits ? e.size : -e.size, -e.bit_count);
  };
  if (wanted_size <= 0) {
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
      return std::tuple(-a.size, -a.bit_count) < std::tuple(-b.size, -b.bit_count);
    });
  } else {
    std::stable_sort(entries.begin(), entries.end(),
                     [&rank](const Entry& a, const Entry& b) { return rank(a) < rank(b); });
  }
  for (const Entry& entry : entries) {
    auto image = IsPng(entry.data) ? Image::Decode(entry.data) : DecodeDib(entry.data);
    if (image) return image;
  }
  return nullptr;
}

}  // namespace platform
