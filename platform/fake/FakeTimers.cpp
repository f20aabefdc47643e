#include "platform/fake/FakeTimers.h"

#include <algorithm>

namespace platform {

class FakeTimers::FakeTimer final : public Timers::Timer {
 public:
  explicit FakeTimer(std::shared_ptr<Entry> entry) : entry_(std::move(entry)) {}
  ~FakeTimer() override { entry_->stopped = true; }

 private:
  std::shared_ptr<Entry> entry_;
};

std::unique_ptr<Timers::Timer> FakeTimers::StartPeriodic(std::chrono::milliseconds period,
                                                         std::function<void()> tick) {
  std::lock_guard lock(mutex_);
  if (period <= std::chrono::milliseconds::zero()) period = std::chrono::milliseconds(1);
  auto entry = std::make_shared<Entry>();
  entry->period = period;
  entry->next = now_ + period;
  entry->tick = std::move(tick);
  entries_.push_back(entry);
  return std::make_unique<FakeTimer>(entry);
}

void FakeTimers::Advance(std::chrono::milliseconds duration) {
  std::unique_lock lock(mutex_);
  const auto end = now_ + duration;
  for (;;) {
    std::erase_if(entries_, [](const auto& e) { return e->stopped.load(); });
    // The earliest due tick fires first, so several timers interleave as they would for real.
    auto due = std::min_element(entries_.begin(), entries_.end(),
                                [](const auto& a, const auto& b) { return a->next < b->next; });
    if (due == entries_.end() || (*due)->next > end) break;
    auto entry = *due;
    now_ = entry->next;
    entry->next += entry->period;
    lock.unlock();
    if (!entry->stopped) entry->tick();
    lock.lock();
  }
  now_ = end;
}

int FakeTimers::ActiveCount() {
  std::lock_guard lock(mutex_);
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [](const auto& e) { return !e->stopped.load(); }));
}

}  // namespace platform
