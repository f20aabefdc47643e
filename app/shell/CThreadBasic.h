#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// A worker thread that calls Run every period (through the platform clock, so tests can step
// it) for as long as it is running, or once. Stop is bounded: a Run that hangs in a transfer
// cannot keep the program from closing.
class CThreadBasic {
 public:
  static constexpr int kDefaultPeriodMs = 16;
  static constexpr std::chrono::milliseconds kStopWait{1000};

  CThreadBasic() = default;
  // Waits for the thread: a derived class must Stop and Join in its own destructor, before the
  // members Run uses are gone.
  virtual ~CThreadBasic();
  CThreadBasic(const CThreadBasic&) = delete;
  CThreadBasic& operator=(const CThreadBasic&) = delete;

  // Starts the thread; 0 (and nothing happens) when it is already running, else 1.
  int Start(int period_ms = kDefaultPeriodMs, bool loop = true);
  // Ends the loop and waits up to `wait` for the thread to finish. False when it did not finish
  // in time; it then stops by itself after its current Run, and Join waits for that.
  bool Stop(std::chrono::milliseconds wait = kStopWait);
  // Waits for the thread to end, however long that takes.
  void Join();

  bool IsRunning() const { return running_; }
  int PeriodMs() const { return period_ms_; }
  // Tick count when the thread was started.
  uint64_t StartTick() const { return start_tick_; }

 protected:
  // One cycle of the thread's work.
  virtual void Run() = 0;

 private:
  void Loop();

  std::atomic<bool> running_{false};
  bool loop_ = true;
  int period_ms_ = kDefaultPeriodMs;
  uint64_t start_tick_ = 0;
  std::mutex done_mutex_;
  std::condition_variable done_changed_;
  bool done_ = true;
  std::thread thread_;
};
