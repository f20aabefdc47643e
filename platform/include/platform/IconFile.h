#pragma once

#include <filesystem>
#include <memory>

#include "platform/Image.h"

namespace platform {

// Reads the picture of an icon file (.ico) closest to `size` pixels square: the smallest one at
// least that large, else the largest. Entries stored as 32-bit bitmaps are read; PNG entries are
// skipped. Null when the file holds no readable entry.
std::shared_ptr<Image> LoadIconFile(const std::filesystem::path& path, int size);

}  // namespace platform
