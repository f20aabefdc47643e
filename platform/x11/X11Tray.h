#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/Image.h"
#include "platform/Tray.h"

struct _XDisplay;
union _XEvent;

namespace platform {

// The tray icon on an X11 desktop: a small window docked into the system tray host by the XEmbed
// system tray protocol (the owner of the _NET_SYSTEM_TRAY_S<screen> selection). It has its own
// display connection and event thread, so its clicks arrive on that thread; a tray host that
// starts later is joined when it announces itself.
class X11Tray final : public Tray {
 public:
  X11Tray() = default;
  ~X11Tray() override;

  bool Add(const std::filesystem::path& icon, const std::wstring& tip,
           std::function<void(TrayEvent)> on_event) override;
  bool SetTip(const std::wstring& tip) override;
  void Remove() override;

 private:
  void EventLoop();
  void HandleEvent(_XEvent& event);
  bool Dock();
  void Draw();
  void ApplyTip();

  std::mutex mutex_;  // guards tip_ and the add/remove state
  _XDisplay* display_ = nullptr;
  unsigned long window_ = 0;
  unsigned long selection_ = 0;
  std::shared_ptr<Image> icon_;
  std::wstring tip_;
  bool tip_changed_ = false;
  std::function<void(TrayEvent)> on_event_;
  int wake_[2] = {-1, -1};
  std::atomic<bool> stop_{false};
  std::thread thread_;
  int width_ = 24;
  int height_ = 24;
  unsigned long last_press_time_ = 0;
};

}  // namespace platform
