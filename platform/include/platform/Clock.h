#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// Monotonic time and sleeps. Everything that waits or measures goes through here, so tests can
// run on virtual time and check every pause without waiting for it.
class Clock {
 public:
  using Duration = std::chrono::nanoseconds;

  virtual ~Clock() = default;

  // Time since an arbitrary fixed start.
  virtual Duration Now() = 0;
  // Milliseconds since that start (the program's tick count).
  uint64_t TickMs() {
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Now()).count());
  }
  // Blocks the calling thread for `duration` (1 ms precision on the real clock).
  virtual void Sleep(Duration duration) = 0;
};

}  // namespace platform
