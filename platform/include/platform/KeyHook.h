#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// One key event seen by the recording hook, in the terms the macro recorder works with.
struct KeyHookEvent {
  bool pressed = false;
  bool system_key = false;  // pressed together with Alt
  uint32_t virtual_key = 0;
  uint32_t scan_code = 0;
  bool extended = false;
};

// A session-wide key hook for recording macros, and the names of keys.
class KeyHook {
 public:
  virtual ~KeyHook() = default;

  // Calls `handler` for every key event until Uninstall; a handler that returns true swallows the
  // event. False when no hook can be installed.
  virtual bool Install(std::function<bool(const KeyHookEvent&)> handler) = 0;
  virtual void Uninstall() = 0;

  // The display name of a key, by scan code ("Enter", "Num 7").
  virtual std::wstring KeyName(uint32_t scan_code, bool extended) = 0;
};

}  // namespace platform
