#include <sys/prctl.h>
#include <time.h>

#include <cerrno>

#include "platform/Backend.h"
#include "platform/Clock.h"

namespace platform {
namespace {

class SteadyClock final : public Clock {
 public:
  Duration Now() override {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
  }

  // Sleeps to an absolute deadline, so a signal that interrupts the sleep does not stretch it.
  void Sleep(Duration duration) override {
    if (duration <= Duration::zero()) return;
    // The kernel may wake a sleeper up to the thread's timer slack (50 us by default) late. The
    // keyboard's 1 ms pauses come back to back, so ask for the tightest slack, once per thread.
    thread_local const bool tight_slack = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    (void)tight_slack;
    const Duration deadline = Now() + duration;
    timespec until{};
    until.tv_sec = static_cast<time_t>(deadline.count() / 1'000'000'000);
    until.tv_nsec = static_cast<long>(deadline.count() % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
  }
};

}  // namespace

template <>
std::shared_ptr<Clock> MakeRealBackend<Clock>() {
  return std::make_shared<SteadyClock>();
}

}  // namespace platform
