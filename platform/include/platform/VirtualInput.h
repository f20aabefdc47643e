#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

// A key held back by the key filter and reported to the program.
struct FilterKeyEvent {
  uint16_t key_code = 0;  // HID keyboard usage
  bool pressed = false;
};

// The virtual keyboard, mouse and consumer device through which the program answers assigned keys,
// and the filter that holds the assigned keys back.
class VirtualInput {
 public:
  virtual ~VirtualInput() = default;

  // Whether the virtual device and the filter can be used, and the one-time set-up that makes them
  // usable (the stand-in for installing the drivers).
  virtual bool IsInstalled() = 0;
  virtual bool Install() = 0;

  // Writes one 64-byte report to the virtual device, laid out [5, report id, data...].
  virtual bool WriteReport(std::span<const uint8_t> report) = 0;

  // Hands the filter the key codes to hold back (an empty table releases every key), then starts
  // it.
  virtual bool SetFilterTable(std::span<const uint16_t> key_codes) = 0;
  virtual bool StartFilter() = 0;
  virtual void StopFilter() = 0;
  // Waits up to `timeout` for the next held-back key.
  virtual std::optional<FilterKeyEvent> WaitFilterEvent(std::chrono::milliseconds timeout) = 0;
};

}  // namespace platform
