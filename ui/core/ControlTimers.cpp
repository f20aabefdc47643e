#include "ui/core/ControlTimers.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

bool ControlTimers::IsReserved(uint64_t timer_id) {
  return timer_id == PaintManager::kMessageHoldTimer ||
         timer_id == PaintManager::kMessageFadeTimer || timer_id == PaintManager::kProgressTimer ||
         timer_id == PaintManager::kCaretTimer || timer_id == PaintManager::kFrameTimer;
}

unsigned ControlTimers::NextId() {
  for (unsigned attempt = 0; attempt < kIdRange; ++attempt) {
    counter_ = (counter_ + 1) % kIdRange;
    const unsigned id = counter_;
    const bool taken =
        std::any_of(records_.begin(), records_.end(), [id](const Record& r) { return r.id == id; });
    if (id != 0 && !IsReserved(id) && !taken) return id;
  }
  return 0;
}

bool ControlTimers::Set(MControl* control, unsigned key, unsigned milliseconds) {
  if (!control) return false;
  std::lock_guard lock(mutex_);
  auto& windows = platform::Get<platform::Windows>();
  auto it = std::find_if(records_.begin(), records_.end(),
                         [&](const Record& r) { return r.control == control && r.key == key; });
  if (it != records_.end()) {
    if (!it->stopped) return false;
    if (!windows.SetTimer(window_, it->id, milliseconds)) return false;
    it->stopped = false;
    return true;
  }
  const unsigned id = NextId();
  if (id == 0 || !windows.SetTimer(window_, id, milliseconds)) return false;
  records_.push_back({control, key, id, false});
  return true;
}

bool ControlTimers::Kill(MControl* control, unsigned key) {
  std::lock_guard lock(mutex_);
  auto it = std::find_if(records_.begin(), records_.end(),
                         [&](const Record& r) { return r.control == control && r.key == key; });
  if (it == records_.end()) return false;
  platform::Get<platform::Windows>().KillTimer(window_, it->id);
  it->stopped = true;
  return true;
}

void ControlTimers::KillAll(MControl* control) {
  std::lock_guard lock(mutex_);
  auto& windows = platform::Get<platform::Windows>();
  std::erase_if(records_, [&](const Record& r) {
    if (r.control != control) return false;
    if (!r.stopped) windows.KillTimer(window_, r.id);
    return true;
  });
}

void ControlTimers::Clear() {
  std::lock_guard lock(mutex_);
  auto& windows = platform::Get<platform::Windows>();
  for (const Record& r : records_) {
    if (!r.stopped) windows.KillTimer(window_, r.id);
  }
  records_.clear();
}

MControl* ControlTimers::ControlFor(uint64_t timer_id) {
  std::lock_guard lock(mutex_);
  for (const Record& r : records_) {
    if (r.id == timer_id && !r.stopped) return r.control;
  }
  return nullptr;
}

unsigned ControlTimers::IdOf(MControl* control, unsigned key) {
  std::lock_guard lock(mutex_);
  for (const Record& r : records_) {
    if (r.control == control && r.key == key) return r.id;
  }
  return 0;
}

}  // namespace LumoUI
