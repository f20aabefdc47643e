#include "app/shell/CThreadBasic.h"

#include "platform/Backend.h"
#include "platform/Clock.h"

CThreadBasic::~CThreadBasic() {
  running_ = false;
  Join();
}

int CThreadBasic::Start(int period_ms, bool loop) {
  if (running_) return 0;
  Join();  // a thread left over from a stop that timed out
  period_ms_ = period_ms;
  loop_ = loop;
  start_tick_ = platform::Get<platform::Clock>().TickMs();
  {
    std::lock_guard lock(done_mutex_);
    done_ = false;
  }
  running_ = true;
  thread_ = std::thread([this] { Loop(); });
  return 1;
}

bool CThreadBasic::Stop(std::chrono::milliseconds wait) {
  running_ = false;
  std::unique_lock lock(done_mutex_);
  const bool finished = done_changed_.wait_for(lock, wait, [this] { return done_; });
  lock.unlock();
  if (finished) Join();
  return finished;
}

void CThreadBasic::Join() {
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void CThreadBasic::Loop() {
  auto& clock = platform::Get<platform::Clock>();
  if (!loop_) {
    Run();
  } else {
    while (running_) {
      Run();
      if (!running_) break;
      clock.Sleep(std::chrono::milliseconds(period_ms_));
    }
  }
  running_ = false;
  std::lock_guard lock(done_mutex_);
  done_ = true;
  done_changed_.notify_all();
}
