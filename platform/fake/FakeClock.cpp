#include "platform/fake/FakeClock.h"

namespace platform {

Clock::Duration FakeClock::Now() {
  std::lock_guard lock(mutex_);
  return now_;
}

void FakeClock::Sleep(Duration duration) {
  std::unique_lock lock(mutex_);
  sleeps_.push_back(duration);
  if (duration <= Duration::zero()) return;
  if (mode_ == Mode::AdvanceOnSleep) {
    now_ += duration;
    changed_.notify_all();
    return;
  }
  const Duration deadline = now_ + duration;
  ++sleepers_;
  changed_.notify_all();
  changed_.wait(lock, [&] { return now_ >= deadline; });
  --sleepers_;
}

void FakeClock::Advance(Duration duration) {
  std::lock_guard lock(mutex_);
  now_ += duration;
  changed_.notify_all();
}

std::vector<Clock::Duration> FakeClock::Sleeps() {
  std::lock_guard lock(mutex_);
  return sleeps_;
}

void FakeClock::ClearSleeps() {
  std::lock_guard lock(mutex_);
  sleeps_.clear();
}

void FakeClock::WaitForSleepers(int count) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return sleepers_ >= count; });
}

}  // namespace platform
