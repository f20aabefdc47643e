#pragma once

#include <string>
#include <vector>

#include "app/device/DeviceLink.h"
#include "app/model/Configuration.h"

// What looking for the keyboard found.
struct DiscoveryResult {
  std::vector<OpenDecision> decisions;  // one per enumerated interface
  std::wstring chosen_path;             // where commands go; empty when no keyboard was found
  int connection_mode = -1;             // the mode the keyboard is reached by, -1 when none
  std::wstring side_channel_path;
  bool Found() const { return !chosen_path.empty(); }
};

// Fills the link's supported modes from the configuration, in file order.
void RegisterSupportedModes(const Configuration& configuration, DeviceLink& link);

// Opens the vendor interfaces of the supported keyboards and selects `device_type`, as the program
// does at start and after every plug or unplug. The link is marked open when an interface was
// found.
DiscoveryResult DiscoverKeyboard(DeviceLink& link, int device_type);
