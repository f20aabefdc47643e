#pragma once

#include <string>

// Brings the running instance's main window to the front: the first top-level window carrying a
// property named after the device name is shown normally, raised and activated. False when no
// such window exists (the other instance may still be starting).
bool ActivateRunningInstance(const std::wstring& device_name);
