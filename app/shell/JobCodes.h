#pragma once

// The jobs the main window's worker runs, one at a time, in queue order.
enum JobCode : int {
  kJobFirstRefresh = 1,       // once per process: device refresh and apply
  kJobDeviceArrived = 2,      // device refresh and apply after a plug notification
  kJobDeviceRemoved = 3,      // the same after an unplug notification
  kJobSelectorChanged = 4,    // the user picked another model: dropped
  kJobReloadPages = 5,        // reload the pages the menu flags offer
  kJobWriteKeyMap = 6,        // key assignments into the keyboard
  kJobWriteLight = 7,         // light settings
  kJobWriteKeyColours = 8,    // per-key colours
  kJobFactoryReset = 10,      // the keyboard's factory reset
  kJobSoftwareCheck = 12,     // software update check
  kJobFirmwareCheck = 13,     // firmware version check
  kJobSoftwareDownload = 14,  // software update download
  kJobFirmwareDownload = 15,  // firmware update download
};

// Jobs that run whether or not a keyboard is connected; every other job needs one.
constexpr bool JobRunsWithoutKeyboard(int code) {
  return code == kJobFirstRefresh || code == kJobDeviceArrived || code == kJobDeviceRemoved ||
         code == kJobSoftwareCheck;
}

// Jobs started by the user behind the busy dialog: the worker closes it when they end.
constexpr bool JobClosesBusyDialog(int code) {
  return code == kJobWriteKeyMap || code == kJobWriteLight || code == kJobWriteKeyColours ||
         code == kJobFactoryReset;
}
