#pragma once

#include <memory>
#include <vector>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Timers.h"
#include "platform/Windows.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeTimers.h"
#include "platform/fake/HeadlessWindows.h"
#include "tests/ui/support/TestControls.h"
#include "ui/core/MObject.h"
#include "ui/core/PaintManager.h"

namespace uitest {

// A window of the headless back end with a paint manager, as a dialog will own one: its root
// object receives the notifications of the top-level controls and hands repaint requests to the
// manager. Installs virtual time, fake animation timers and headless windows for its lifetime.
class TestWindow : public LumoUI::MObject, public platform::WindowHandler {
 public:
  explicit TestWindow(CRect rect = {100, 100, 420, 340});
  ~TestWindow() override;

  const wchar_t* GetClassNameW() override { return L"MDialog"; }
  long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override {
    notices.push_back({id, code, wparam, lparam});
    return 0;
  }
  long OnControlUpdate(CRect rect, int stale, LumoUI::MControl* control) override {
    return manager.OnControlUpdate(rect, stale, control);
  }
  platform::LParam OnWindowMessage(platform::WindowId, uint32_t message, platform::WParam wparam,
                                   platform::LParam lparam) override {
    return manager.OnWindowMessage(message, wparam, lparam);
  }

  // Lets every queued message run, through the manager's Tab handling as a modal loop would.
  void Pump();
  // Moves virtual time on (firing due timers) and pumps.
  void Advance(std::chrono::milliseconds duration);
  // Pumps, then waits out the frame interval so every requested repaint is presented.
  void Settle();
  uint32_t PixelAt(int x, int y);

  platform::ScopedBackend<platform::Clock> clock{std::make_shared<platform::FakeClock>()};
  platform::ScopedBackend<platform::Timers> timers{std::make_shared<platform::FakeTimers>()};
  platform::ScopedBackend<platform::Windows> windows{std::make_shared<platform::HeadlessWindows>()};
  LumoUI::PaintManager manager;
  platform::WindowId id = 0;
  std::vector<Notice> notices;

  platform::HeadlessWindows& Headless() {
    return static_cast<platform::HeadlessWindows&>(*windows);
  }
  platform::FakeClock& Clock() { return static_cast<platform::FakeClock&>(*clock); }
  platform::FakeTimers& Timers() { return static_cast<platform::FakeTimers&>(*timers); }
};

// Whether two straight ARGB colours match within a small tolerance per channel (the back
// buffer keeps premultiplied values, so nearly opaque colours round by one).
bool SameColor(uint32_t a, uint32_t b, int tolerance = 2);

}  // namespace uitest
