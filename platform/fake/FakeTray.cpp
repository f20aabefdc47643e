#include "platform/fake/FakeTray.h"

namespace platform {

bool FakeTray::IsShown() {
  std::lock_guard lock(mutex_);
  return shown_;
}

std::wstring FakeTray::Tip() {
  std::lock_guard lock(mutex_);
  return tip_;
}

std::filesystem::path FakeTray::Icon() {
  std::lock_guard lock(mutex_);
  return icon_;
}

void FakeTray::Click(TrayEvent event) {
  std::function<void(TrayEvent)> on_event;
  {
    std::lock_guard lock(mutex_);
    if (!shown_) return;
    on_event = on_event_;
  }
  if (on_event) on_event(event);
}

bool FakeTray::Add(const std::filesystem::path& icon, const std::wstring& tip,
                   std::function<void(TrayEvent)> on_event) {
  std::lock_guard lock(mutex_);
  shown_ = true;
  icon_ = icon;
  tip_ = tip;
  on_event_ = std::move(on_event);
  return true;
}

bool FakeTray::SetTip(const std::wstring& tip) {
  std::lock_guard lock(mutex_);
  if (!shown_) return false;
  tip_ = tip;
  return true;
}

void FakeTray::Remove() {
  std::lock_guard lock(mutex_);
  shown_ = false;
  on_event_ = nullptr;
}

}  // namespace platform
