// The worker thread base on the real clock: it cycles until stopped, and its stop is bounded.
#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "app/shell/CThreadBasic.h"
#include "platform/Backend.h"
#include "platform/Clock.h"

namespace {

using namespace std::chrono_literals;

class CountingThread : public CThreadBasic {
 public:
  ~CountingThread() override {
    Stop();
    Join();
  }
  std::atomic<int> runs{0};
  std::shared_future<void> hold;  // when set, the first Run waits for it

 protected:
  void Run() override {
    if (runs++ == 0 && hold.valid()) hold.wait();
  }
};

class CThreadBasicTest : public testing::Test {
 protected:
  platform::ScopedBackend<platform::Clock> clock_{platform::MakeRealBackend<platform::Clock>()};
};

TEST_F(CThreadBasicTest, LoopsUntilStoppedAndStartsOnlyOnce) {
  CountingThread thread;
  EXPECT_EQ(thread.Start(), 1);
  EXPECT_EQ(thread.Start(), 0);
  while (thread.runs < 3)
    std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(thread.Stop());
  EXPECT_FALSE(thread.IsRunning());
  const int runs = thread.runs;
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(thread.runs, runs);
}

TEST_F(CThreadBasicTest, WithoutLoopRunsOnce) {
  CountingThread thread;
  thread.Start(CThreadBasic::kDefaultPeriodMs, false);
  thread.Join();
  EXPECT_EQ(thread.runs, 1);
  EXPECT_FALSE(thread.IsRunning());
}

TEST_F(CThreadBasicTest, StopGivesUpOnAHungRunAfterItsBound) {
  std::promise<void> release;
  CountingThread thread;
  thread.hold = release.get_future().share();
  thread.Start();
  while (thread.runs < 1)
    std::this_thread::sleep_for(1ms);
  EXPECT_FALSE(thread.Stop(CThreadBasic::kStopWait));
  release.set_value();
  thread.Join();
  EXPECT_EQ(thread.runs, 1);  // the loop ended after the hung run
}

}  // namespace
