#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/Image.h"

namespace platform {

// Reads Windows icon files (.ico): a directory of entries, each a PNG or a DIB (1, 4, 8, 24 or
// 32 bits per pixel with its 1-bit transparency mask). Every offset and size is checked against
// the file, so a damaged or hostile file gives null, never a read outside it.
class IcoReader {
 public:
  // Whether the bytes start like an icon file.
  static bool IsIcon(std::span<const uint8_t> bytes);
  // The entry that fits `wanted_size` best: the smallest at least that large, else the largest;
  // among equal sizes the deepest colour. With `wanted_size` 0, the largest entry. Entries that
  // cannot be decoded are passed over for the next best.
  static std::shared_ptr<Image> Decode(std::span<const uint8_t> bytes, int wanted_size = 0);
  // How many entries the directory lists; 0 when it is no icon file.
  static int EntryCount(std::span<const uint8_t> bytes);
};

}  // namespace platform
