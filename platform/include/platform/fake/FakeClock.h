#pragma once

#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/Clock.h"

namespace platform {

// Virtual time. In the default mode a sleep moves time forward at once, so a single-threaded
// exchange with pauses runs instantly and every pause is recorded. In WaitForAdvance mode a
// sleeping thread blocks until another thread moves time past its deadline with Advance().
class FakeClock final : public Clock {
 public:
  enum class Mode { AdvanceOnSleep, WaitForAdvance };

  explicit FakeClock(Mode mode = Mode::AdvanceOnSleep) : mode_(mode) {}

  Duration Now() override;
  void Sleep(Duration duration) override;

  void Advance(Duration duration);
  // Every sleep requested so far, in order.
  std::vector<Duration> Sleeps();
  void ClearSleeps();
  // Blocks until `count` threads are sleeping (WaitForAdvance mode), so a test can step safely.
  void WaitForSleepers(int count);

 private:
  const Mode mode_;
  std::mutex mutex_;
  std::condition_variable changed_;
  Duration now_{};
  std::vector<Duration> sleeps_;
  int sleepers_ = 0;
};

}  // namespace platform
