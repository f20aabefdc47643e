#pragma once

#include <chrono>
#include <deque>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/Windows.h"

// Xlib's types, named here without its header so that only this back end's sources include it.
struct _XDisplay;
union _XEvent;
struct _XGC;
struct _XIM;
struct _XIC;

namespace platform {

// The window facility on an X11 display. Each window is a borderless top-level X window; X events
// become the numbered window messages of the window's thread. The event loop blocks on the X
// connection and on a wake-up descriptor per thread, never spinning. Windows are put on a 32-bit
// ARGB visual when a compositor runs (so per-pixel alpha shows the desktop through), and on the
// default visual otherwise. Works with and without a window manager: activation, iconifying and
// moving use EWMH requests where a window manager supports them and plain X requests otherwise.
class X11Windows final : public Windows {
 public:
  // Null when no display can be opened.
  static std::shared_ptr<X11Windows> Open(const char* display_name = nullptr);
  ~X11Windows() override;

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
  Rect ScreenRect() override;
  unsigned CaretBlinkMs() override { return 530; }
  // The CLIPBOARD selection: we own it with a hidden window and answer requests for text.
  bool SetClipboardText(const std::wstring& text) override;
  std::wstring GetClipboardText() override;
  bool SetProperty(WindowId window, const std::wstring& name, uint64_t value) override;
  bool GetProperty(WindowId window, const std::wstring& name, uint64_t& value) override;
  bool RemoveProperty(WindowId window, const std::wstring& name) override;
  std::vector<WindowId> TopLevelWindows() override;
  std::wstring GetClassName(WindowId window) override;

  // What the display offers, for callers that adapt to it.
  bool HasWindowManager();
  bool HasCompositor() const { return argb_; }

 private:
  using Clock = std::chrono::steady_clock;
  struct Atoms;
  struct WindowTimer {
    Clock::duration period;
    Clock::time_point next;
  };
  struct Window {
    std::thread::id thread;
    WindowParams params;
    _XGC* gc = nullptr;
    // Typing goes through the input method when one is open (null: plain key lookup).
    _XIC* input_context = nullptr;
    Rect rect;
    bool visible = false;
    bool minimized = false;
    bool enabled = true;
    bool tracking_leave = false;
    bool shaped = false;  // transparent pixels cut out of the window's shape
    Rect update;
    std::map<uint64_t, WindowTimer> timers;
  };
  struct SentMessage {
    WindowMessage message;
    std::promise<LParam> result;
  };
  struct Queue {
    int wake_fd = -1;
    std::deque<WindowMessage> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quit = false;
    int exit_code = 0;
  };
  struct LastPress {
    WindowId window = 0;
    unsigned button = 0;
    Point point;
    unsigned long time = 0;
  };
  struct Drag {
    WindowId window = 0;
    Point start;  // screen
    Rect start_rect;
  };
  enum class Next { Message, Quit, Idle };

  X11Windows(_XDisplay* display);
  Next TakeNext(WindowMessage& message, int* wait_ms);
  void ReadEvents();
  void HandleEvent(_XEvent& event);
  void HandlePointer(_XEvent& event);
  void HandleKey(_XEvent& event);
  void HandleFocus(_XEvent& event, bool in);
  void HandleConfigure(_XEvent& event);
  void HandleClientMessage(_XEvent& event);
  void HandleSelectionRequest(_XEvent& event);
  void OpenInputMethod();
  // The window keys typed into `x_window` go to: the focus window when it is that window or one
  // it owns, else the window itself. mutex_ held.
  WindowId KeyTargetLocked(WindowId x_window);
  void SendFocusChange(WindowId old_focus, WindowId new_focus);
  void WaitForEvents(Queue& queue, int wait_ms);
  Queue& QueueOf(std::thread::id thread);  // mutex_ held
  Window* Find(WindowId window);           // mutex_ held
  WindowHandler* HandlerOf(WindowId window);
  void PostLocked(WindowId window, uint32_t message, WParam wparam, LParam lparam);
  void InvalidateLocked(Window& window, const Rect& rect);
  WParam KeyStateLocked(unsigned state) const;
  void SendActivation(WindowId old_window, WindowId new_window);
  void RequestFocus(WindowId window);
  bool IsForeign(WindowId window);
  bool PostForeign(WindowId window, uint32_t message, WParam wparam, LParam lparam);
  void ActivateForeign(WindowId window);
  void SetNetState(WindowId window, const char* state, bool on);
  bool SupportsNet(const char* atom_name);
  void ApplyHints(WindowId window, const WindowParams& params);
  // Without a compositor: makes the wholly transparent pixels holes in the window; false when
  // the picture has none (the window is whole again) or the server cannot shape windows.
  bool CutTransparentPixels(WindowId window, const Image& image);
  unsigned long AtomOf(const char* name);
  unsigned long AtomOf(const std::wstring& name);
  std::string ReadTextProperty(WindowId window, const char* property, const char* type);

  _XDisplay* display_;
  int screen_ = 0;
  unsigned long root_ = 0;
  void* visual_ = nullptr;  // the Visual windows are made on
  int depth_ = 24;
  unsigned long colormap_ = 0;
  bool argb_ = false;
  bool has_shape_ = false;
  std::unique_ptr<Atoms> atoms_;
  _XIM* input_method_ = nullptr;
  // Owns the CLIPBOARD selection while we hold text for it; guarded by mutex_.
  unsigned long clipboard_window_ = 0;
  std::string clipboard_utf8_;
  // Focus changes older than our last own focus request are stale and ignored.
  unsigned long focus_request_serial_ = 0;

  std::mutex mutex_;
  std::map<WindowId, Window> windows_;
  std::map<std::thread::id, Queue> queues_;
  WindowId capture_ = 0;
  WindowId active_ = 0;
  WindowId focus_ = 0;
  Point pointer_;  // screen
  WParam buttons_ = 0;
  std::set<uint32_t> keys_;
  LastPress last_press_;
  Drag drag_;
};

}  // namespace platform
