#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Timers.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeTimers.h"

namespace {

using namespace std::chrono_literals;

TEST(ClockTest, RealSleepLastsAtLeastItsDuration) {
  auto clock = platform::MakeRealBackend<platform::Clock>();
  const auto start = clock->Now();
  clock->Sleep(5ms);
  EXPECT_GE(clock->Now() - start, 5ms);
  clock->Sleep(-1ms);  // nothing to wait for
}

TEST(ClockTest, FakeSleepsMoveTimeAndAreRecorded) {
  platform::FakeClock clock;
  clock.Sleep(3ms);
  clock.Sleep(0ms);
  clock.Sleep(20ms);
  EXPECT_EQ(clock.Now(), 23ms);
  EXPECT_EQ(clock.TickMs(), 23u);
  EXPECT_EQ(clock.Sleeps(), (std::vector<platform::Clock::Duration>{3ms, 0ms, 20ms}));
}

TEST(ClockTest, FakeSleeperWaitsUntilTimeIsAdvanced) {
  platform::FakeClock clock(platform::FakeClock::Mode::WaitForAdvance);
  std::atomic<bool> woke{false};
  std::thread sleeper([&] {
    clock.Sleep(16ms);
    woke = true;
  });
  clock.WaitForSleepers(1);
  clock.Advance(15ms);
  EXPECT_FALSE(woke);
  clock.Advance(1ms);
  sleeper.join();
  EXPECT_TRUE(woke);
}

TEST(TimersTest, RealTimerTicksUntilDestroyed) {
  auto timers = platform::MakeRealBackend<platform::Timers>();
  std::atomic<int> ticks{0};
  auto timer = timers->StartPeriodic(1ms, [&] { ++ticks; });
  while (ticks < 3)
    std::this_thread::sleep_for(1ms);
  timer.reset();
  const int after_stop = ticks;
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(ticks, after_stop);
}

TEST(TimersTest, RealTimerMayBeDestroyedFromItsOwnTick) {
  auto timers = platform::MakeRealBackend<platform::Timers>();
  std::unique_ptr<platform::Timers::Timer> timer;
  std::atomic<int> ticks{0};
  std::mutex mutex;
  {
    std::lock_guard lock(mutex);
    timer = timers->StartPeriodic(1ms, [&] {
      std::lock_guard lock(mutex);
      ++ticks;
      timer.reset();
    });
  }
  while (ticks == 0)
    std::this_thread::sleep_for(1ms);
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(ticks, 1);
}

TEST(TimersTest, FakeTimersFireInTimeOrder) {
  platform::FakeTimers timers;
  std::string order;
  auto fast = timers.StartPeriodic(10ms, [&] { order += 'f'; });
  auto slow = timers.StartPeriodic(25ms, [&] { order += 's'; });
  timers.Advance(50ms);
  EXPECT_EQ(order, "ffsfffs");
  slow.reset();
  EXPECT_EQ(timers.ActiveCount(), 1);
  order.clear();
  timers.Advance(20ms);
  EXPECT_EQ(order, "ff");
}

}  // namespace
