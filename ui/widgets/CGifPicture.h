#pragma once

#include <memory>
#include <vector>

#include "platform/Image.h"
#include "ui/widgets/MPicture.h"

namespace LumoUI {

// An animated GIF. While running and given more than one frame, it moves on one frame every
// kTicksPerFrame ticks of the window's animation timer (50 ms at a 10 ms timer), wrapping to
// frame 0.
class CGifPicture : public MPicture {
 public:
  static constexpr int kTicksPerFrame = 5;

  using MPicture::MPicture;

  // Loads every frame of the skin picture; the count is the file's own. False when not attached
  // or not decodable (the picture then draws nothing).
  bool SetImage(const wchar_t* path, int count) override;
  // Sets the current frame and starts (run) or stops the animation. Refused with false for a
  // picture of fewer than two frames or a frame it does not have.
  bool SetRunState(int run, int frame);
  int GetFrameCount() const { return static_cast<int>(frames_.size()); }
  int GetCurrentFrame() const { return current_; }
  bool IsRunning() const { return IsRunTimer() != 0; }

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlTimer() override;

 private:
  std::vector<std::shared_ptr<const platform::Image>> frames_;
  int current_ = 0;
  int ticks_ = 0;
  bool registered_ = false;
};

}  // namespace LumoUI
