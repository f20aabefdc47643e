#pragma once

#include <mutex>
#include <vector>

#include "app/model/Configuration.h"

class DeviceLink;

// Which keyboards are connected, as the last device refresh found them. Refresh runs on the
// worker (it reopens the HID interfaces); the UI thread reads the outcome and matches plug and
// unplug notifications against the mode records, so the records are guarded by a lock.
class DevicePresence {
 public:
  struct Outcome {
    bool any_interface = false;        // at least one vendor interface of a supported keyboard
    bool keyboard_connected = false;   // at least one mode record found its interface
    int connection_mode = -1;          // how the active device type is reached, -1 when not
    std::vector<int> connected_types;  // device types of the records that found an interface
  };

  void SetModeRecords(std::vector<ModeRecord> records);
  std::vector<ModeRecord> ModeRecords() const;
  void Clear();

  // Reopens the link's interfaces and marks the records whose interface was found; then selects
  // `device_type` on the link, as working with the keyboard needs.
  Outcome Refresh(DeviceLink& link, int device_type);

  // The job a plug (arrival) or unplug notification for the interface at `path` calls for: 2 or
  // 3, or 0 when it concerns no supported keyboard. A removal clears the record's connected flag.
  int JobForDeviceChange(bool arrival, const std::wstring& path);

 private:
  mutable std::mutex mutex_;
  std::vector<ModeRecord> records_;
};
