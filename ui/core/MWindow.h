#pragma once

#include <cstdint>
#include <string>

#include "platform/Windows.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

// The message a dialog posts to itself to close with a result (wParam).
constexpr uint32_t WM_USERCLOSE = platform::WM_USER + 0x42;

// Asks a window, possibly from another process, to come to the front (restored and active).
constexpr uint32_t WM_BRINGTOTOP = platform::WM_APP + 0x110;

// Results ShowModal returns for the usual ways of closing a dialog.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The style every program window is made with (popup, visible, clip siblings and children,
// minimise box), and the one the short forms of Create use.
constexpr uint32_t kAppWindowStyle = 0x96020000;
constexpr uint32_t kDefaultWindowStyle = 0x80B;

// One top-level window of the platform's window facility and its window procedure. Every
// operation does nothing and returns 0 (or empty) while the window does not exist.
class MWindow : public platform::WindowHandler {
 public:
  MWindow() = default;
  ~MWindow() override;
  MWindow(const MWindow&) = delete;
  MWindow& operator=(const MWindow&) = delete;

  virtual const wchar_t* GetWindowClassName() { return L"LumoClient"; }
  // A class whose procedure this window extends; none: the window has its own.
  virtual const wchar_t* GetSuperClassName() { return nullptr; }
  virtual bool ShowWindow(int command);
  // Every message of the window after creation. The default is the previous window procedure.
  virtual long OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam);
  // Messages taken by a modal loop pass here before being dispatched; true consumes them.
  virtual bool PreTranslateMessage(const platform::WindowMessage& message);
  virtual int OnInitDialog() { return 1; }
  // The window is gone (after WM_NCDESTROY); the object may be deleted from here on.
  virtual void OnDestroyMessage(platform::WindowId) {}

  platform::WindowId Create(platform::WindowId parent, const wchar_t* title, uint32_t style,
                            uint32_t ex_style, CRect rect);
  platform::WindowId Create(platform::WindowId parent);
  platform::WindowId Create(platform::WindowId parent, CRect rect);

  // Shows the window, disables its owner and runs the thread's messages until the window is
  // gone; returns the wParam of the WM_CLOSE that closed it, -1 when there is no window. A
  // WM_QUIT ends the loop and is posted again for the loops outside.
  int ShowModal(int command);
  // Centres on `other`, else on the owner, else on the screen the window is on.
  void CenterWindow(MWindow* other = nullptr);
  void BringToTop();

  platform::WindowId GetSafeHwnd() const { return window_; }
  platform::WindowId GetParentHwnd() const { return parent_; }
  uint32_t GetStyle() const { return window_ ? style_ : 0; }
  uint32_t GetExStyle() const { return window_ ? ex_style_ : 0; }
  bool ModifyStyle(uint32_t remove, uint32_t add);
  bool ModifyExStyle(uint32_t remove, uint32_t add);
  CRect GetClientRect();
  CRect GetWindowRect();
  bool SetWindowTextW(const std::wstring& text);
  std::wstring GetWindowTextW();
  int GetWindowTextLengthW();
  bool EnableWindow(bool enable);
  bool IsWindowEnabled();
  bool IsWindowVisible();
  bool IsIconic();
  bool InvalidateRect(const CRect* rect);
  bool SetCapture();
  void ReleaseCapture();
  bool SetFocus();
  bool SetTimer(uint64_t id, unsigned milliseconds);
  bool KillTimer(uint64_t id);
  CPoint ClientToScreen(CPoint point);
  CPoint ScreenToClient(CPoint point);
  bool MoveWindow(CRect rect);
  bool SetWindowPos(int x, int y, int width, int height);
  bool DestroyWindow();
  platform::LParam SendMessageW(uint32_t message, platform::WParam wparam, platform::LParam lparam);
  bool PostMessageW(uint32_t message, platform::WParam wparam, platform::LParam lparam);

 protected:
  // What a window does with a message nobody handled: WM_CLOSE destroys it.
  long DefWindowProc(unsigned message, platform::WParam wparam, platform::LParam lparam);

 private:
  platform::LParam OnWindowMessage(platform::WindowId window, uint32_t message,
                                   platform::WParam wparam, platform::LParam lparam) final;

  platform::WindowId parent_ = 0;
  platform::WindowId window_ = 0;
  uint32_t style_ = 0;
  uint32_t ex_style_ = 0;
};

}  // namespace LumoUI
