#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A picture of the screen, scaled down. Pixels are 0x00RRGGBB, row by row.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

class ScreenCapture {
 public:
  virtual ~ScreenCapture() = default;

  // Captures the primary screen scaled to width x height; false when the screen cannot be read.
  virtual bool Capture(int width, int height, ScreenImage& image) = 0;
};

}  // namespace platform
