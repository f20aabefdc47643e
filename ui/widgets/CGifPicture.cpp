#include "ui/widgets/CGifPicture.h"

#include "platform/Backend.h"
#include "platform/Folders.h"
#include "platform/Image.h"
#include "ui/core/Manager.h"

namespace LumoUI {

bool CGifPicture::SetImage(const wchar_t* path, int) {
  if (!path || !*path || !GetManager()) return false;
  // Frames are decoded here rather than through the window's cache, which keeps one frame.
  const auto file = platform::Get<platform::Folders>().ProgramFolder() / "skins" /
                    platform::FromWindowsName(Manager::GetTheme() + path);
  const auto frames = platform::Image::LoadFrames(file);
  if (frames.empty()) return false;
  frames_.clear();
  for (const auto& frame : frames)
    frames_.push_back(frame.image);
  current_ = 0;
  ticks_ = 0;
  if (frames_.size() < 2) SetRunTimer(0);
  UpdateControl(1, 0);
  return true;
}

bool CGifPicture::SetRunState(int run, int frame) {
  if (frames_.size() < 2 || frame < 0 || frame >= GetFrameCount()) return false;
  current_ = frame;
  ticks_ = 0;
  if (run && !registered_) {
    AddMTimer();
    registered_ = GetManager() != nullptr;
  }
  SetRunTimer(run ? 1 : 0);
  UpdateControl(0, 0);
  return true;
}

int CGifPicture::OnControlTimer() {
  if (frames_.size() < 2) return 0;
  if (++ticks_ < kTicksPerFrame) return 0;
  ticks_ = 0;
  current_ = (current_ + 1) % GetFrameCount();
  UpdateControl(0, 0);
  return 1;
}

void CGifPicture::DrawControl(platform::Painter& painter, CRect) {
  if (current_ < 0 || current_ >= GetFrameCount()) return;
  const platform::Image& frame = *frames_[current_];
  painter.DrawImage(frame, {0, 0, frame.Width(), frame.Height()}, GetRect().ToPlatform());
}

}  // namespace LumoUI
