#pragma once

#include <condition_variable>
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "platform/Windows.h"

namespace platform {

// Windows without a display: each window is an in-memory surface that receives what is presented
// to it. Input is injected by the test and becomes the same messages a display would deliver
// (double clicks, capture, leave tracking, caption dragging included). Time comes from the Clock
// facility, so a test that installs a FakeClock steps timers and double-click intervals itself.
class HeadlessWindows final : public Windows {
 public:
  enum class Button { Left, Right, Middle };
  static constexpr int kDoubleClickMs = 500;
  static constexpr int kDoubleClickSlop = 2;

  // Injected input. Points are in client coordinates of `window`; while a window has the capture
  // the message goes to it, translated into its coordinates.
  void MoveMouse(WindowId window, Point point);
  void PressButton(WindowId window, Button button, Point point);
  void ReleaseButton(WindowId window, Button button, Point point);
  void Click(WindowId window, Point point, Button button = Button::Left);
  void Wheel(WindowId window, Point point, int delta);
  // The pointer leaves every window (moves to the desktop).
  void LeaveWindows();
  void PressKey(uint32_t virtual_key);
  void ReleaseKey(uint32_t virtual_key);
  void TypeKey(uint32_t virtual_key);
  // Text as an input method commits it: one WM_CHAR per character to the focus window.
  void TypeText(const std::wstring& text);

  // Handles every message, paint and due timer of the calling thread; returns how many.
  int PumpUntilIdle();
  // Wakes a thread blocked in GetMessage so it looks at the clock again.
  void Wake();

  // What the window shows: everything presented to it so far.
  Image Surface(WindowId window);
  int PresentCount(WindowId window);
  Rect LastPresented(WindowId window);
  Rect PendingUpdate(WindowId window);
  bool HasTimer(WindowId window, uint64_t timer_id);
  bool IsMoveDragging();

  WindowId Create(const WindowParams& params) override;
  bool Destroy(WindowId window) override;
  bool IsWindow(WindowId window) override;
  bool Show(WindowId window, int command) override;
  bool IsVisible(WindowId window) override;
  bool IsMinimized(WindowId window) override;
  bool Move(WindowId window, const Rect& rect) override;
  Rect GetWindowRect(WindowId window) override;
  Rect GetClientRect(WindowId window) override;
  bool SetTitle(WindowId window, const std::wstring& title) override;
  std::wstring GetTitle(WindowId window) override;
  bool Enable(WindowId window, bool enable) override;
  bool IsEnabled(WindowId window) override;
  bool Post(WindowId window, uint32_t message, WParam wparam, LParam lparam) override;
  LParam Send(WindowId window, uint32_t message, WParam wparam, LParam lparam) override;
  void PostQuit(int exit_code) override;
  bool GetMessage(WindowMessage& message) override;
  bool PeekMessage(WindowMessage& message) override;
  LParam Dispatch(const WindowMessage& message) override;
  bool Invalidate(WindowId window, const Rect* rect) override;
  Rect BeginPaint(WindowId window) override;
  bool Present(WindowId window, const Image& image, const Rect& rect,
               bool per_pixel_alpha) override;
  bool SetTimer(WindowId window, uint64_t timer_id, unsigned milliseconds) override;
  bool KillTimer(WindowId window, uint64_t timer_id) override;
  bool SetCapture(WindowId window) override;
  void ReleaseCapture() override;
  WindowId GetCapture() override;
  bool TrackMouseLeave(WindowId window) override;
  bool BeginMoveDrag(WindowId window) override;
  bool Activate(WindowId window) override;
  WindowId GetActive() override;
  bool SetFocus(WindowId window) override;
  WindowId GetFocus() override;
  bool IsKeyDown(uint32_t virtual_key) override;
  Point ClientToScreen(WindowId window, Point point) override;
  Point ScreenToClient(WindowId window, Point point) override;
  unsigned CaretBlinkMs() override { return 530; }
  Rect ScreenRect() override { return {0, 0, 1920, 1080}; }
  // An in-process clipboard.
  bool SetClipboardText(const std::wstring& text) override;
  std::wstring GetClipboardText() override;
  bool SetProperty(WindowId window, const std::wstring& name, uint64_t value) override;
  bool GetProperty(WindowId window, const std::wstring& name, uint64_t& value) override;
  bool RemoveProperty(WindowId window, const std::wstring& name) override;
  std::vector<WindowId> TopLevelWindows() override;
  std::wstring GetClassName(WindowId window) override;

 private:
  using Duration = std::chrono::nanoseconds;
  struct WindowTimer {
    Duration period;
    Duration next;
  };
  struct Window {
    std::thread::id thread;
    WindowParams params;
    Rect rect;
    bool visible = false;
    bool minimized = false;
    bool enabled = true;
    bool tracking_leave = false;
    Rect update;
    bool began_paint = false;
    Image surface;
    int presents = 0;
    Rect last_presented;
    std::map<uint64_t, WindowTimer> timers;
    std::map<std::wstring, uint64_t> properties;
  };
  struct SentMessage {
    WindowMessage message;
    std::promise<LParam> result;
  };
  struct Queue {
    std::deque<WindowMessage> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quit = false;
    int exit_code = 0;
  };
  struct LastPress {
    WindowId window = 0;
    Button button = Button::Left;
    Point point;
    Duration time{};
    bool valid = false;
  };
  struct Drag {
    WindowId window = 0;
    Point start;  // screen
    Rect start_rect;
  };

  // Takes the next message for the calling thread; sent messages are handled on the way.
  enum class Next { Message, Quit, None };
  Next TakeNext(WindowMessage& message, Duration* wait);
  Window* Find(WindowId window);  // mutex_ held
  WindowHandler* HandlerOf(WindowId window);
  void PostLocked(WindowId window, uint32_t message, WParam wparam, LParam lparam);
  void InvalidateLocked(Window& window, const Rect& rect);
  WParam KeyStateLocked() const;
  // Repeat count 1 and the modifiers held, as key messages carry them.
  LParam KeyParamLocked() const;
  WindowId KeyTargetLocked();
  void SendActivation(WindowId old_window, WindowId new_window);
  void SendFocusChange(WindowId old_focus, WindowId new_focus);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::map<WindowId, Window> windows_;
  std::map<std::thread::id, Queue> queues_;
  WindowId next_id_ = 1;
  WindowId capture_ = 0;
  WindowId active_ = 0;
  WindowId focus_ = 0;
  WindowId pointer_window_ = 0;
  Point pointer_;  // screen
  WParam buttons_ = 0;
  std::set<uint32_t> keys_;
  std::wstring clipboard_;
  LastPress last_press_;
  Drag drag_;
};

}  // namespace platform
