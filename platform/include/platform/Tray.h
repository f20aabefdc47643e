#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace platform {

// What happened to the tray icon.
enum class TrayEvent { LeftClick, RightClick, DoubleClick };

// The program's icon in the desktop's system tray.
class Tray {
 public:
  virtual ~Tray() = default;

  // Shows the icon with a tooltip. False when no tray is available. Events may arrive on a thread
  // of the tray's own: a handler passes them on by posting to its window.
  virtual bool Add(const std::filesystem::path& icon, const std::wstring& tip,
                   std::function<void(TrayEvent)> on_event) = 0;
  virtual bool SetTip(const std::wstring& tip) = 0;
  virtual void Remove() = 0;
};

}  // namespace platform
