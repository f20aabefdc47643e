#include "platform/fake/FakeScreenCapture.h"

namespace platform {

void FakeScreenCapture::SetPainter(Painter painter) {
  std::lock_guard lock(mutex_);
  painter_ = std::move(painter);
}

int FakeScreenCapture::CaptureCount() {
  std::lock_guard lock(mutex_);
  return captures_;
}

bool FakeScreenCapture::Capture(int width, int height, ScreenImage& image) {
  std::lock_guard lock(mutex_);
  if (!painter_ || width <= 0 || height <= 0) return false;
  ++captures_;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.pixels[y * width + x] = painter_(x, y, width, height);
  }
  return true;
}

}  // namespace platform
