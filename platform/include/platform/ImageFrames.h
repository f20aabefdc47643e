#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/Image.h"

namespace platform {

// Every frame of an animated GIF, each composed over the frames before it as a viewer shows it;
// one frame for a still picture of any format Image::LoadFile reads. Empty when the file cannot
// be read or decoded.
std::vector<std::shared_ptr<const Image>> LoadImageFrames(const std::filesystem::path& path);

}  // namespace platform
