#pragma once

#include <mutex>
#include <vector>

#include "platform/WindowMessages.h"

namespace LumoUI {

class MControl;

// Window timers started on behalf of controls, one per (control, key). Their ids come from a
// small counter that starts at 17 and wraps after 240, skipping 0, the ids the paint manager
// keeps for itself and ids still held by another record, so a WM_TIMER always finds its owner.
class ControlTimers {
 public:
  static constexpr unsigned kIdRange = 240;
  static constexpr unsigned kFirstCounter = 4096;

  void SetWindow(platform::WindowId window) { window_ = window; }
  // Starts the timer, or restarts a stopped one with its old id. False when it is running
  // already, no id is free or the window cannot start it.
  bool Set(MControl* control, unsigned key, unsigned milliseconds);
  // Stops a timer but keeps its record (and id) for a restart.
  bool Kill(MControl* control, unsigned key);
  // Stops and forgets every timer of a control.
  void KillAll(MControl* control);
  void Clear();
  // The control whose running timer has this id; null when none.
  MControl* ControlFor(uint64_t timer_id);
  // The id of a control's timer, 0 when it has none.
  unsigned IdOf(MControl* control, unsigned key);

  static bool IsReserved(uint64_t timer_id);

 private:
  struct Record {
    MControl* control;
    unsigned key;
    unsigned id;
    bool stopped;
  };
  unsigned NextId();  // mutex_ held; 0 when every id is taken

  std::mutex mutex_;
  platform::WindowId window_ = 0;
  std::vector<Record> records_;
  unsigned counter_ = kFirstCounter;
};

}  // namespace LumoUI
