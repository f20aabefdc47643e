#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Timers.h"

namespace platform {

// Timers driven by the test: Advance() fires, on the calling thread, every tick that falls due.
class FakeTimers final : public Timers {
 public:
  std::unique_ptr<Timer> StartPeriodic(std::chrono::milliseconds period,
                                       std::function<void()> tick) override;
  void Advance(std::chrono::milliseconds duration);
  int ActiveCount();

 private:
  struct Entry {
    std::chrono::milliseconds period;
    std::chrono::milliseconds next;
    std::function<void()> tick;
    std::atomic<bool> stopped{false};
  };
  class FakeTimer;

  std::mutex mutex_;
  std::chrono::milliseconds now_{0};
  std::vector<std::shared_ptr<Entry>> entries_;
};

}  // namespace platform
