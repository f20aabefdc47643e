#include "ui/core/MWindow.h"

#include "platform/Backend.h"
#include "ui/core/Manager.h"

namespace LumoUI {
namespace {

platform::Windows& Windows() {
  return platform::Get<platform::Windows>();
}

}  // namespace

MWindow::~MWindow() {
  // A window must not outlive the object its procedure calls.
  if (window_) Windows().Destroy(window_);
  Manager::DeleteWnd(this);
}

platform::WindowId MWindow::Create(platform::WindowId parent, const wchar_t* title, uint32_t style,
                                   uint32_t ex_style, CRect rect) {
  if (window_) return window_;
  parent_ = parent;
  style_ = style;
  ex_style_ = ex_style;
  platform::WindowParams params;
  params.owner = parent;
  params.class_name = GetWindowClassName();
  params.title = title ? title : L"";
  params.class_style = platform::CS_DBLCLKS;
  params.style = style;
  params.ex_style = ex_style;
  params.rect = rect.ToPlatform();
  params.handler = this;
  // The window's id is learnt from its first message (WM_CREATE), as the procedure needs it.
  const platform::WindowId made = Windows().Create(params);
  if (!made) {
    window_ = 0;
    return 0;
  }
  window_ = made;
  Manager::AddWnd(this);
  OnInitDialog();
  return window_;
}

platform::WindowId MWindow::Create(platform::WindowId parent) {
  return Create(parent, L"LumoClient", kDefaultWindowStyle, 0, {0, 0, 800, 600});
}

platform::WindowId MWindow::Create(platform::WindowId parent, CRect rect) {
  return Create(parent, L"LumoClient", kDefaultWindowStyle, 0, rect);
}

platform::LParam MWindow::OnWindowMessage(platform::WindowId window, uint32_t message,
                                          platform::WParam wparam, platform::LParam lparam) {
  if (!window_) window_ = window;
  if (message == platform::WM_NCDESTROY) {
    OnWindowMessage(message, wparam, lparam);
    window_ = 0;
    Manager::DeleteWnd(this);
    // Last: the object may delete itself here.
    OnDestroyMessage(window);
    return 0;
  }
  if (message == WM_BRINGTOTOP) {
    BringToTop();
    return 0;
  }
  return OnWindowMessage(message, wparam, lparam);
}

long MWindow::OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam) {
  return DefWindowProc(message, wparam, lparam);
}

long MWindow::DefWindowProc(unsigned message, platform::WParam, platform::LParam) {
  if (message == platform::WM_CLOSE) DestroyWindow();
  return 0;
}

bool MWindow::PreTranslateMessage(const platform::WindowMessage&) {
  return false;
}

bool MWindow::ShowWindow(int command) {
  return window_ && Windows().Show(window_, command);
}

int MWindow::ShowModal(int command) {
  auto& windows = Windows();
  if (!window_ || !windows.IsWindow(window_)) return -1;
  const platform::WindowId self = window_;
  const platform::WindowId owner = parent_;
  const bool disable_owner = owner && windows.IsEnabled(owner);
  ShowWindow(command);
  if (disable_owner) windows.Enable(owner, false);
  bool owner_restored = !disable_owner;
  const auto restore_owner = [&] {
    if (owner_restored) return;
    owner_restored = true;
    windows.Enable(owner, true);
    // The owner takes over before this window goes, so activation does not wander elsewhere.
    windows.Activate(owner);
    windows.SetFocus(owner);
  };

  int result = 0;
  bool quit = false;
  int quit_code = 0;
  platform::WindowMessage message;
  while (windows.IsWindow(self)) {
    if (!windows.GetMessage(message)) {
      quit = true;
      quit_code = static_cast<int>(message.wparam);
      break;
    }
    if (message.message == platform::WM_CLOSE && message.window == self) {
      result = static_cast<int>(message.wparam);
      restore_owner();
    }
    if (PreTranslateMessage(message) || Manager::PreTranslateMessage(message, this)) continue;
    windows.Dispatch(message);
  }
  restore_owner();
  if (quit) windows.PostQuit(quit_code);
  return result;
}

void MWindow::CenterWindow(MWindow* other) {
  auto& windows = Windows();
  if (!window_) return;
  platform::Rect around;
  if (other && other->GetSafeHwnd()) {
    around = windows.GetWindowRect(other->GetSafeHwnd());
  } else if (parent_ && windows.IsWindow(parent_)) {
    around = windows.GetWindowRect(parent_);
  } else {
    around = windows.ScreenRect();
  }
  const platform::Rect own = windows.GetWindowRect(window_);
  const int x = around.left + (around.Width() - own.Width()) / 2;
  const int y = around.top + (around.Height() - own.Height()) / 2;
  windows.Move(window_, {x, y, x + own.Width(), y + own.Height()});
}

void MWindow::BringToTop() {
  auto& windows = Windows();
  if (!window_) return;
  if (windows.IsMinimized(window_) || !windows.IsVisible(window_)) {
    windows.Show(window_, platform::SW_SHOWNORMAL);
  }
  windows.Activate(window_);
  windows.SetFocus(window_);
}

bool MWindow::ModifyStyle(uint32_t remove, uint32_t add) {
  if (!window_) return false;
  style_ = (style_ & ~remove) | add;
  return true;
}

bool MWindow::ModifyExStyle(uint32_t remove, uint32_t add) {
  if (!window_) return false;
  ex_style_ = (ex_style_ & ~remove) | add;
  return true;
}

CRect MWindow::GetClientRect() {
  return window_ ? CRect(Windows().GetClientRect(window_)) : CRect();
}

CRect MWindow::GetWindowRect() {
  return window_ ? CRect(Windows().GetWindowRect(window_)) : CRect();
}

bool MWindow::SetWindowTextW(const std::wstring& text) {
  return window_ && Windows().SetTitle(window_, text);
}

std::wstring MWindow::GetWindowTextW() {
  return window_ ? Windows().GetTitle(window_) : std::wstring();
}

int MWindow::GetWindowTextLengthW() {
  return static_cast<int>(GetWindowTextW().size());
}

bool MWindow::EnableWindow(bool enable) {
  return window_ && Windows().Enable(window_, enable);
}

bool MWindow::IsWindowEnabled() {
  return window_ && Windows().IsEnabled(window_);
}

bool MWindow::IsWindowVisible() {
  return window_ && Windows().IsVisible(window_);
}

bool MWindow::IsIconic() {
  return window_ && Windows().IsMinimized(window_);
}

bool MWindow::InvalidateRect(const CRect* rect) {
  if (!window_) return false;
  if (!rect) return Windows().Invalidate(window_, nullptr);
  const platform::Rect r = rect->ToPlatform();
  return Windows().Invalidate(window_, &r);
}

bool MWindow::SetCapture() {
  return window_ && Windows().SetCapture(window_);
}

void MWindow::ReleaseCapture() {
  if (window_ && Windows().GetCapture() == window_) Windows().ReleaseCapture();
}

bool MWindow::SetFocus() {
  return window_ && Windows().SetFocus(window_);
}

bool MWindow::SetTimer(uint64_t id, unsigned milliseconds) {
  return window_ && Windows().SetTimer(window_, id, milliseconds);
}

bool MWindow::KillTimer(uint64_t id) {
  return window_ && Windows().KillTimer(window_, id);
}

CPoint MWindow::ClientToScreen(CPoint point) {
  if (!window_) return {};
  const platform::Point p = Windows().ClientToScreen(window_, {point.x, point.y});
  return {p.x, p.y};
}

CPoint MWindow::ScreenToClient(CPoint point) {
  if (!window_) return {};
  const platform::Point p = Windows().ScreenToClient(window_, {point.x, point.y});
  return {p.x, p.y};
}

bool MWindow::MoveWindow(CRect rect) {
  return window_ && Windows().Move(window_, rect.ToPlatform());
}

bool MWindow::SetWindowPos(int x, int y, int width, int height) {
  return MoveWindow({x, y, x + width, y + height});
}

bool MWindow::DestroyWindow() {
  return window_ && Windows().Destroy(window_);
}

platform::LParam MWindow::SendMessageW(uint32_t message, platform::WParam wparam,
                                       platform::LParam lparam) {
  return window_ ? Windows().Send(window_, message, wparam, lparam) : 0;
}

bool MWindow::PostMessageW(uint32_t message, platform::WParam wparam, platform::LParam lparam) {
  return window_ && Windows().Post(window_, message, wparam, lparam);
}

}  // namespace LumoUI
