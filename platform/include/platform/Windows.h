#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Image.h"
#include "platform/WindowMessages.h"

namespace platform {

// Receives the messages of one window, on the thread that created it.
class WindowHandler {
 public:
  virtual ~WindowHandler() = default;
  virtual LParam OnWindowMessage(WindowId window, uint32_t message, WParam wparam,
                                 LParam lparam) = 0;
};

struct WindowParams {
  WindowId owner = 0;
  // What tools that list windows see as the window's class (WM_CLASS on X11).
  std::wstring class_name;
  std::wstring title;
  uint32_t class_style = 0;
  uint32_t style = 0;
  uint32_t ex_style = 0;
  Rect rect;  // screen coordinates of the whole window
  WindowHandler* handler = nullptr;
};

// Top-level windows, their message queues, painting, timers and input state. Windows belong to
// the thread that creates them: that thread's GetMessage/PeekMessage deliver their posted
// messages, their WM_PAINT (when nothing else is queued) and their WM_TIMER. Post, Send and
// Invalidate may be called from any thread; everything else belongs to the window's thread.
// Every operation on a window that does not exist does nothing and returns false, 0 or empty.
class Windows {
 public:
  virtual ~Windows() = default;

  // Creates the window and sends it WM_CREATE and WM_SIZE; 0 when it cannot be made.
  virtual WindowId Create(const WindowParams& params) = 0;
  // Sends WM_DESTROY and WM_NCDESTROY, then forgets the window and its queued messages.
  virtual bool Destroy(WindowId window) = 0;
  virtual bool IsWindow(WindowId window) = 0;

  virtual bool Show(WindowId window, int command) = 0;
  virtual bool IsVisible(WindowId window) = 0;
  virtual bool IsMinimized(WindowId window) = 0;
  // Moves and sizes the window (screen coordinates); WM_SIZE follows a change of size.
  virtual bool Move(WindowId window, const Rect& rect) = 0;
  virtual Rect GetWindowRect(WindowId window) = 0;
  // The client area, always at (0, 0): our windows have no frame.
  virtual Rect GetClientRect(WindowId window) = 0;
  virtual bool SetTitle(WindowId window, const std::wstring& title) = 0;
  virtual std::wstring GetTitle(WindowId window) = 0;
  virtual bool Enable(WindowId window, bool enable) = 0;
  virtual bool IsEnabled(WindowId window) = 0;

  // Queues a message for the window's thread.
  virtual bool Post(WindowId window, uint32_t message, WParam wparam, LParam lparam) = 0;
  // Calls the window's handler and returns its result; from another thread, waits until the
  // window's thread has handled it.
  virtual LParam Send(WindowId window, uint32_t message, WParam wparam, LParam lparam) = 0;
  // Makes the calling thread's GetMessage return false once the queue reaches it.
  virtual void PostQuit(int exit_code) = 0;
  // Waits for the next message of the calling thread; false for WM_QUIT.
  virtual bool GetMessage(WindowMessage& message) = 0;
  // Takes the next message of the calling thread if there is one.
  virtual bool PeekMessage(WindowMessage& message) = 0;
  virtual LParam Dispatch(const WindowMessage& message) = 0;

  // Adds a rectangle (null: the whole client area) to the window's update region.
  virtual bool Invalidate(WindowId window, const Rect* rect) = 0;
  // Returns the bounds of the update region and empties it.
  virtual Rect BeginPaint(WindowId window) = 0;
  // Shows `rect` of `image` (client coordinates) in the window. With per-pixel alpha the whole
  // image replaces the window's picture and its transparency shows the desktop through.
  virtual bool Present(WindowId window, const Image& image, const Rect& rect,
                       bool per_pixel_alpha) = 0;

  // Starts or restarts a periodic WM_TIMER with the given id.
  virtual bool SetTimer(WindowId window, uint64_t timer_id, unsigned milliseconds) = 0;
  virtual bool KillTimer(WindowId window, uint64_t timer_id) = 0;

  // Mouse capture: every mouse message goes to the capturing window until released.
  virtual bool SetCapture(WindowId window) = 0;
  virtual void ReleaseCapture() = 0;
  virtual WindowId GetCapture() = 0;
  // Asks for one WM_MOUSELEAVE when the pointer next leaves the window.
  virtual bool TrackMouseLeave(WindowId window) = 0;
  // Lets the user move the window with the held left button, as dragging a caption would.
  virtual bool BeginMoveDrag(WindowId window) = 0;

  // Activation sends WM_NCACTIVATE and WM_ACTIVATE to the window losing and the one gaining it.
  virtual bool Activate(WindowId window) = 0;
  virtual WindowId GetActive() = 0;
  // The focus window receives the keyboard messages of its owner while the owner is active (the
  // way a text field placed over a dialog takes the dialog's typing); activation does not change.
  // A change of focus sends WM_KILLFOCUS to the window losing it (wParam = the new one) and
  // WM_SETFOCUS to the one gaining it; activating a window gives it the focus.
  virtual bool SetFocus(WindowId window) = 0;
  virtual WindowId GetFocus() = 0;
  // Whether a key (VK_SHIFT, VK_CONTROL, VK_MENU ...) is held now.
  virtual bool IsKeyDown(uint32_t virtual_key) = 0;

  virtual Point ClientToScreen(WindowId window, Point point) = 0;
  virtual Point ScreenToClient(WindowId window, Point point) = 0;
  // The part of the screen windows are placed in (the work area, else the whole screen).
  virtual Rect ScreenRect() = 0;
  // How long the text caret stays on and off.
  virtual unsigned CaretBlinkMs() = 0;

  // The desktop's clipboard (on X11 the CLIPBOARD selection) holding plain text; empty when it
  // holds none or nobody answers in time.
  virtual bool SetClipboardText(const std::wstring& text) = 0;
  virtual std::wstring GetClipboardText() = 0;

  // Named numeric properties: other processes can read them, and find a window by them.
  virtual bool SetProperty(WindowId window, const std::wstring& name, uint64_t value) = 0;
  virtual bool GetProperty(WindowId window, const std::wstring& name, uint64_t& value) = 0;
  virtual bool RemoveProperty(WindowId window, const std::wstring& name) = 0;
  // Every top-level window on the desktop, this process's and other programs', bottom to top.
  // Windows of other processes accept IsWindow, GetTitle, GetClassName, GetProperty, Show,
  // Activate and Post (the message reaches the other process's queue).
  virtual std::vector<WindowId> TopLevelWindows() = 0;
  virtual std::wstring GetClassName(WindowId window) = 0;

  // The first top-level window whose class and title match; an empty string matches any.
  WindowId FindWindow(const std::wstring& class_name, const std::wstring& title) {
    for (WindowId window : TopLevelWindows()) {
      if ((class_name.empty() || GetClassName(window) == class_name) &&
          (title.empty() || GetTitle(window) == title)) {
        return window;
      }
    }
    return 0;
  }
  // The first top-level window that carries a property of this name.
  WindowId FindWindowWithProperty(const std::wstring& name) {
    uint64_t value = 0;
    for (WindowId window : TopLevelWindows()) {
      if (GetProperty(window, name, value)) return window;
    }
    return 0;
  }
};

}  // namespace platform
