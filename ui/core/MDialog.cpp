#include "ui/core/MDialog.h"

#include "platform/Backend.h"
#include "ui/core/FontFolder.h"
#include "ui/core/MControl.h"

namespace LumoUI {
namespace {

// Frame bits a program window never has, and the ones it always gets.
constexpr uint32_t kCaptionAndFrame = 0x00C00000 | 0x00040000;
constexpr uint32_t kAlwaysStyle = 0x06000008;

CPoint PointOf(platform::LParam lparam) {
  const platform::Point p = platform::PointFromParam(lparam);
  return {p.x, p.y};
}

}  // namespace

MDialog::MDialog() = default;

MDialog::~MDialog() {
  // While the paint manager still exists: the window's last messages reach it.
  DestroyWindow();
}

long MDialog::OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) {
  return OnMessage(id, code, wparam, lparam);
}

long MDialog::OnControlUpdate(CRect rect, int stale, MControl* control) {
  return manager_.OnControlUpdate(rect, stale, control);
}

int MDialog::OnInitDialog() {
  FontFolder::AddPrivateFonts();
  manager_.Init(GetSafeHwnd(), this);
  client_ = GetClientRect();
  InitUI(client_);
  return 1;
}

void MDialog::OnDestroyMessage(platform::WindowId) {
  manager_.DestroyData();
  PostNcDestroy();
}

bool MDialog::PreTranslateMessage(const platform::WindowMessage& message) {
  return manager_.PreTranslateMessage(message);
}

long MDialog::OnUserCloseWindow(unsigned wparam, long lparam) {
  PostMessageW(platform::WM_CLOSE, wparam, lparam);
  return 1;
}

void MDialog::OnMinimize() {
  ShowWindow(platform::SW_MINIMIZE);
}

void MDialog::OnMaximize() {
  maximized_ = !maximized_;
  ShowWindow(maximized_ ? platform::SW_MAXIMIZE : platform::SW_RESTORE);
}

void MDialog::SetScrollResID(unsigned, unsigned) {
  // Containers take their scroll-bar pictures from the manager, which keeps its own ids.
}

MControl* MDialog::CreateControl(const wchar_t* class_name, unsigned id, CRect rect,
                                 const wchar_t* title, int visible, int enabled) {
  return manager_.CreateControl(class_name, id, rect, title, visible, enabled);
}

MControl* MDialog::CreateArea(const wchar_t* class_name, unsigned id, CRect rect,
                              const wchar_t* title, int visible, int enabled) {
  return manager_.CreateArea(class_name, id, rect, title, visible, enabled);
}

MShadow* MDialog::CreateShadow(int show, bool) {
  if (!shadow_) shadow_ = std::make_unique<MShadow>();
  shadow_->SetShadowShow(show != 0);
  return shadow_.get();
}

bool MDialog::RunHook(unsigned message, platform::WParam wparam, platform::LParam lparam,
                      long& result) {
  const unsigned flags = static_cast<unsigned>(wparam);
  switch (message) {
    case platform::WM_CREATE:
      ModifyStyle(kCaptionAndFrame, kAlwaysStyle);
      OnCreate();
      break;
    case platform::WM_DESTROY:
      OnDestroy();
      break;
    case platform::WM_SIZE:
      OnSize(flags, static_cast<int16_t>(lparam & 0xFFFF),
             static_cast<int16_t>((lparam >> 16) & 0xFFFF));
      OnSizeMessage(wparam);
      break;
    case platform::WM_PAINT:
      OnPaint();
      break;
    case platform::WM_CLOSE:
      OnClose();
      break;
    case platform::WM_WINDOWPOSCHANGING:
      OnWindowPosChanging();
      break;
    case platform::WM_WINDOWPOSCHANGED:
      OnWindowPosChanged();
      break;
    case platform::WM_NCACTIVATE:
      OnNcActivate(wparam != 0);
      break;
    case platform::WM_TIMER:
      OnTimer(flags);
      break;
    case platform::WM_MOUSEMOVE:
      OnMouseMove(flags, PointOf(lparam));
      break;
    case platform::WM_LBUTTONDOWN:
      OnLButtonDown(flags, PointOf(lparam));
      break;
    case platform::WM_LBUTTONUP:
      OnLButtonUp(flags, PointOf(lparam));
      break;
    case platform::WM_LBUTTONDBLCLK:
      OnLButtonDblClk(flags, PointOf(lparam));
      break;
    case platform::WM_RBUTTONDOWN:
      OnRButtonDown(flags, PointOf(lparam));
      break;
    case platform::WM_RBUTTONUP:
      OnRButtonUp(flags, PointOf(lparam));
      break;
    case platform::WM_RBUTTONDBLCLK:
      OnRButtonDblClk(flags, PointOf(lparam));
      break;
    case platform::WM_MOUSEHOVER:
      OnMouseHover(flags, PointOf(lparam));
      break;
    case platform::WM_MOUSELEAVE:
      OnMouseLeave();
      break;
    case platform::WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_USERCLOSE:
      result = OnUserCloseWindow(flags, static_cast<long>(lparam));
      return true;
    default:
      break;
  }
  return false;
}

long MDialog::OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam) {
  long result = 0;
  if (RunHook(message, wparam, lparam, result)) return result;
  if (const long handled = manager_.OnWindowMessage(message, wparam, lparam)) return handled;
  return DefWindowProc(message, wparam, lparam);
}

void MDialog::OnSizeMessage(platform::WParam type) {
  constexpr platform::WParam kMinimized = 1;
  if (type == kMinimized || !GetSafeHwnd()) return;
  client_ = GetClientRect();
  if (client_.Width() > 1 && client_.Height() > 1) UISize(client_);
  InvalidateRect(nullptr);
}

}  // namespace LumoUI
