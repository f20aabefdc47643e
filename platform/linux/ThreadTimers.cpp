#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/Backend.h"
#include "platform/Timers.h"

namespace platform {
namespace {

// One thread per timer, waiting on a condition variable so that stopping wakes it at once. The
// thread shares its state with the timer object, so a timer destroyed from inside its own tick
// can let the thread finish on its own.
class ThreadTimer final : public Timers::Timer {
 public:
  ThreadTimer(std::chrono::milliseconds period, std::function<void()> tick)
      : state_(std::make_shared<State>(period, std::move(tick))),
        thread_([state = state_] { Run(*state); }) {}

  ~ThreadTimer() override {
    {
      std::lock_guard lock(state_->mutex);
      state_->stopping = true;
    }
    state_->wake.notify_all();
    if (thread_.get_id() == std::this_thread::get_id()) {
      thread_.detach();
    } else {
      thread_.join();
    }
  }

 private:
  struct State {
    State(std::chrono::milliseconds p, std::function<void()> t) : period(p), tick(std::move(t)) {}
    const std::chrono::milliseconds period;
    const std::function<void()> tick;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
  };

  static void Run(State& state) {
    using Steady = std::chrono::steady_clock;
    auto next = Steady::now() + state.period;
    std::unique_lock lock(state.mutex);
    while (!state.stopping) {
      if (state.wake.wait_until(lock, next, [&] { return state.stopping; })) break;
      lock.unlock();
      state.tick();
      lock.lock();
      next += state.period;
      const auto now = Steady::now();
      if (next <= now) next = now + state.period;  // late: skip the missed ticks
    }
  }

  std::shared_ptr<State> state_;
  std::thread thread_;
};

class ThreadTimers final : public Timers {
 public:
  std::unique_ptr<Timer> StartPeriodic(std::chrono::milliseconds period,
                                       std::function<void()> tick) override {
    if (period <= std::chrono::milliseconds::zero()) period = std::chrono::milliseconds(1);
    return std::make_unique<ThreadTimer>(period, std::move(tick));
  }
};

}  // namespace

template <>
std::shared_ptr<Timers> MakeRealBackend<Timers>() {
  return std::make_shared<ThreadTimers>();
}

}  // namespace platform
