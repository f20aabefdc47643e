#include "app/shell/InstanceActivation.h"

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/MWindow.h"

bool ActivateRunningInstance(const std::wstring& device_name) {
  auto& windows = platform::Get<platform::Windows>();
  const platform::WindowId window = windows.FindWindowWithProperty(device_name);
  if (!window) return false;
  // Restores it when it was minimised or hidden in the tray.
  windows.Show(window, platform::SW_SHOWNORMAL);
  windows.Activate(window);
  // The window's own process raises and focuses it too: it knows its state, and a focus request
  // from the process that owns the window is the one desktops honour.
  windows.Post(window, LumoUI::WM_BRINGTOTOP, 0, 0);
  return true;
}
