#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Timers.h"

namespace LumoUI {

// Periodic timers that tick on a thread of their own, independent of any message queue. Each
// tick calls OnMTimer(id), and also OnMTimer(id, name) for timers started for the program.
// Ids are unique in the process; GetFSTimer finds the owner of one.
class RKTimer {
 public:
  RKTimer() = default;
  // Stops every timer of this object, waiting for a running tick to end.
  virtual ~RKTimer();
  RKTimer(const RKTimer&) = delete;
  RKTimer& operator=(const RKTimer&) = delete;

  virtual void OnMTimer(unsigned id, const std::wstring& name);
  virtual void OnMTimer(unsigned id);

  // Starts a timer; returns its id, 0 when it cannot be started.
  unsigned SetTimer(unsigned milliseconds, const std::wstring& name, int application);
  // Stop one timer (or all); return how many are left.
  int KillTimer(unsigned id);
  int KillTimer(const std::wstring& name);
  void KillTimer();
  // A suspended timer keeps its id but does not tick (and costs nothing) until resumed.
  bool SuspendTimer(unsigned id);
  bool ResumeTimer(unsigned id);
  bool GetTimerIsRun(unsigned id);
  bool GetTimerIsRun(const std::wstring& name);
  bool IsAppTimer(unsigned id);
  std::wstring GetTimerName(unsigned id);

  static RKTimer* GetFSTimer(unsigned id);
  // The tick entry: finds the owner of `id` and calls it.
  static void TimerCallProc(unsigned id);

 private:
  struct Record {
    unsigned id;
    std::wstring name;
    bool application;
    unsigned milliseconds;
    std::unique_ptr<platform::Timers::Timer> running;
  };
  std::unique_ptr<platform::Timers::Timer> Start(unsigned id, unsigned milliseconds);
  Record* Find(unsigned id);  // mutex_ held

  std::mutex mutex_;
  std::vector<Record> records_;
};

}  // namespace LumoUI
