#pragma once

#include <string>
#include <vector>

class XmlDocument;

// The firmware update a model's device file offers.
struct FirmwareInfo {
  std::wstring version;
  std::wstring file;  // the update tool's file name in the program's firmware folder
  std::wstring url;   // where the update tool is downloaded from

  // The firmware update button is shown only when there is something to offer.
  bool OffersUpdate() const { return !version.empty() && !file.empty(); }
};

// One entry of the light mode catalogue.
struct LightModeInfo {
  std::wstring name;  // text id of the mode's display name
  int mode = 0;       // the keyboard's own number for the effect
  int attribute = 0;  // feature bits (LightFeatures.h)
};

// The `light` element: defaults for new light settings and the catalogue of modes.
struct LightInfo {
  bool found = false;
  bool rgb_keyboard = false;
  int default_mode = 0;
  int default_brightness = 0;
  int default_speed = 0;
  int brightness_max = 0;
  int speed_max = 0;
  std::vector<LightModeInfo> modes;  // in file order
};

// The first half of a device file: pages, firmware and light modes.
struct DeviceInfo {
  bool menu_found = false;
  bool sleep_time = false;  // kept as read; nothing depends on it yet
  FirmwareInfo firmware;
  LightInfo light;
};

// Reads `menu`, `function`, `firmware` and `light` from the current level of `document` (inside
// the root), searching forward in that order. `info` is filled afresh. `menu_flags` changes only
// when the file has a `menu`.
void ReadDeviceInfo(XmlDocument& document, DeviceInfo& info, int& menu_flags);
