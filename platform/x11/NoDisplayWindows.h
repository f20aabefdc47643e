#pragma once

#include "platform/Windows.h"

namespace platform {

// The window facility of a machine without a display: no window can be created, and everything
// asked of a window that does not exist does nothing.
class NoDisplayWindows final : public Windows {
 public:
  WindowId Create(const WindowParams&) override { return 0; }
  bool Destroy(WindowId) override { return false; }
  bool IsWindow(WindowId) override { return false; }
  bool Show(WindowId, int) override { return false; }
  bool IsVisible(WindowId) override { return false; }
  bool IsMinimized(WindowId) override { return false; }
  bool Move(WindowId, const Rect&) override { return false; }
  Rect GetWindowRect(WindowId) override { return {}; }
  Rect GetClientRect(WindowId) override { return {}; }
  bool SetTitle(WindowId, const std::wstring&) override { return false; }
  std::wstring GetTitle(WindowId) override { return {}; }
  bool Enable(WindowId, bool) override { return false; }
  bool IsEnabled(WindowId) override { return false; }
  bool Post(WindowId, uint32_t, WParam, LParam) override { return false; }
  LParam Send(WindowId, uint32_t, WParam, LParam) override { return 0; }
  void PostQuit(int) override {}
  bool GetMessage(WindowMessage& message) override {
    message = {0, WM_QUIT, 0, 0};
    return false;
  }
  bool PeekMessage(WindowMessage&) override { return false; }
  LParam Dispatch(const WindowMessage&) override { return 0; }
  bool Invalidate(WindowId, const Rect*) override { return false; }
  Rect BeginPaint(WindowId) override { return {}; }
  bool Present(WindowId, const Image&, const Rect&, bool) override { return false; }
  bool SetTimer(WindowId, uint64_t, unsigned) override { return false; }
  bool KillTimer(WindowId, uint64_t) override { return false; }
  bool SetCapture(WindowId) override { return false; }
  void ReleaseCapture() override {}
  WindowId GetCapture() override { return 0; }
  bool TrackMouseLeave(WindowId) override { return false; }
  bool BeginMoveDrag(WindowId) override { return false; }
  bool Activate(WindowId) override { return false; }
  WindowId GetActive() override { return 0; }
  bool SetFocus(WindowId) override { return false; }
  WindowId GetFocus() override { return 0; }
  bool IsKeyDown(uint32_t) override { return false; }
  Point ClientToScreen(WindowId, Point point) override { return point; }
  Point ScreenToClient(WindowId, Point point) override { return point; }
  unsigned CaretBlinkMs() override { return 530; }
  bool SetClipboardText(const std::wstring&) override { return false; }
  std::wstring GetClipboardText() override { return {}; }
  Rect ScreenRect() override { return {}; }
  bool SetProperty(WindowId, const std::wstring&, uint64_t) override { return false; }
  bool GetProperty(WindowId, const std::wstring&, uint64_t&) override { return false; }
  bool RemoveProperty(WindowId, const std::wstring&) override { return false; }
  std::vector<WindowId> TopLevelWindows() override { return {}; }
  std::wstring GetClassName(WindowId) override { return {}; }
};

}  // namespace platform
