#pragma once

#include <cstdint>

#include "platform/Geometry.h"

// The numbered window messages every window back end delivers. The numbers are the customary
// ones, so message tables and stored constants read the same everywhere.
namespace platform {

using WindowId = uint64_t;  // 0 means no window
using WParam = uint64_t;
using LParam = int64_t;

constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_GETMINMAXINFO = 0x0024;
constexpr uint32_t WM_WINDOWPOSCHANGING = 0x0046;
constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
constexpr uint32_t WM_NCCREATE = 0x0081;
constexpr uint32_t WM_NCDESTROY = 0x0082;
constexpr uint32_t WM_NCACTIVATE = 0x0086;
constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_CTLCOLOREDIT = 0x0133;
constexpr uint32_t WM_CTLCOLORSTATIC = 0x0138;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_DEVICECHANGE = 0x0219;
constexpr uint32_t WM_MOUSEHOVER = 0x02A1;
constexpr uint32_t WM_MOUSELEAVE = 0x02A3;
constexpr uint32_t WM_USER = 0x0400;
// Messages a window sends to itself start here; the library keeps its private ones above it.
constexpr uint32_t WM_APP = 0x8000;

// Button and modifier state carried in wParam of mouse messages.
constexpr WParam MK_LBUTTON = 0x0001;
constexpr WParam MK_RBUTTON = 0x0002;
constexpr WParam MK_SHIFT = 0x0004;
constexpr WParam MK_CONTROL = 0x0008;
constexpr WParam MK_MBUTTON = 0x0010;

// Beyond the repeat count, our back ends mark in lParam of key messages which modifiers were held
// when the key went down or up, so handlers need not ask for the state later.
constexpr LParam KEY_SHIFT_HELD = LParam{1} << 32;
constexpr LParam KEY_CONTROL_HELD = LParam{1} << 33;

// Virtual-key codes the window layer itself cares about.
constexpr uint32_t VK_BACK = 0x08;
constexpr uint32_t VK_TAB = 0x09;
constexpr uint32_t VK_RETURN = 0x0D;
constexpr uint32_t VK_SHIFT = 0x10;
constexpr uint32_t VK_CONTROL = 0x11;
constexpr uint32_t VK_MENU = 0x12;  // Alt
constexpr uint32_t VK_ESCAPE = 0x1B;
constexpr uint32_t VK_SPACE = 0x20;
constexpr uint32_t VK_END = 0x23;
constexpr uint32_t VK_HOME = 0x24;
constexpr uint32_t VK_LEFT = 0x25;
constexpr uint32_t VK_UP = 0x26;
constexpr uint32_t VK_RIGHT = 0x27;
constexpr uint32_t VK_DOWN = 0x28;
constexpr uint32_t VK_DELETE = 0x2E;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

// Window styles the back ends act on.
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
// Class style: the window receives double-click messages.
constexpr uint32_t CS_DBLCLKS = 0x0008;

// One wheel notch.
constexpr int WHEEL_DELTA = 120;

// A point packed as two signed 16-bit halves, as mouse messages carry it.
inline LParam MakePointParam(int x, int y) {
  return static_cast<LParam>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                             static_cast<uint16_t>(x));
}
inline Point PointFromParam(LParam value) {
  return {static_cast<int16_t>(value & 0xFFFF), static_cast<int16_t>((value >> 16) & 0xFFFF)};
}
// Wheel messages carry the signed delta in the high half of wParam, the key state in the low half.
inline WParam MakeWheelParam(int delta, WParam keys) {
  return (static_cast<WParam>(static_cast<uint16_t>(delta)) << 16) | (keys & 0xFFFF);
}
inline int WheelDeltaFromParam(WParam value) {
  return static_cast<int16_t>((value >> 16) & 0xFFFF);
}

// What WM_GETMINMAXINFO points to through lParam.
struct MinMaxInfo {
  Point max_size;
  Point max_position;
  Point min_track_size;
  Point max_track_size;
};

struct WindowMessage {
  WindowId window = 0;
  uint32_t message = WM_NULL;
  WParam wparam = 0;
  LParam lparam = 0;
};

}  // namespace platform
