#pragma once

#include <functional>
#include <mutex>

#include "platform/ScreenCapture.h"

namespace platform {

// Synthetic screens: a function of (x, y) in the requested size gives each pixel's colour.
class FakeScreenCapture final : public ScreenCapture {
 public:
  using Painter = std::function<uint32_t(int x, int y, int width, int height)>;

  void SetPainter(Painter painter);  // an empty painter makes captures fail
  int CaptureCount();

  bool Capture(int width, int height, ScreenImage& image) override;

 private:
  std::mutex mutex_;
  Painter painter_ = [](int, int, int, int) { return 0u; };
  int captures_ = 0;
};

}  // namespace platform
