#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace platform {

// Periodic timers that call back on a thread of their own (the animation timer, the worker cycle).
class Timers {
 public:
  class Timer {
   public:
    // Stops the timer; waits for a running tick to finish unless called from inside the tick.
    virtual ~Timer() = default;
  };

  virtual ~Timers() = default;

  // Calls `tick` every `period` until the returned timer is destroyed. A tick that runs late is not
  // repeated to catch up: the next one follows a whole period later.
  virtual std::unique_ptr<Timer> StartPeriodic(std::chrono::milliseconds period,
                                               std::function<void()> tick) = 0;
};

}  // namespace platform
