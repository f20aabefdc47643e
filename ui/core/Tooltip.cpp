#include "ui/core/Tooltip.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Painter.h"
#include "ui/core/Manager.h"

namespace LumoUI {
namespace {

constexpr int kFontSize = 12;
constexpr int kPadding = 4;

platform::Font TipFont() {
  return {Manager::GetFontName(), kFontSize};
}

}  // namespace

Tooltip::~Tooltip() {
  if (window_) platform::Get<platform::Windows>().Destroy(window_);
}

void Tooltip::Show(const std::wstring& text, const CRect& at) {
  auto& windows = platform::Get<platform::Windows>();
  text_ = text;
  // The size follows the text, measured on a scratch image.
  platform::Image scratch(1, 1);
  platform::Painter measure(scratch);
  const auto size = measure.MeasureText(text_, TipFont());
  const int width = std::clamp(size.width + 2 * kPadding, 8, kMaxWidth);
  const int height = std::max(size.height, kFontSize) + 2 * kPadding;
  const platform::Point origin = windows.ClientToScreen(owner_, {at.left, at.bottom + 2});
  const platform::Rect rect{origin.x, origin.y, origin.x + width, origin.y + height};
  if (!window_ || !windows.IsWindow(window_)) {
    platform::WindowParams params;
    params.owner = owner_;
    params.title = L"tooltip";
    params.style = platform::WS_POPUP;
    params.ex_style = platform::WS_EX_TOPMOST | platform::WS_EX_TOOLWINDOW;
    params.rect = rect;
    params.handler = this;
    window_ = windows.Create(params);
    if (!window_) return;
  } else {
    windows.Move(window_, rect);
  }
  windows.Invalidate(window_, nullptr);
  windows.Show(window_, platform::SW_SHOWNOACTIVATE);
  shown_ = true;
}

void Tooltip::Hide() {
  text_.clear();
  if (!shown_) return;
  shown_ = false;
  platform::Get<platform::Windows>().Show(window_, platform::SW_HIDE);
}

platform::LParam Tooltip::OnWindowMessage(platform::WindowId window, uint32_t message,
                                          platform::WParam, platform::LParam) {
  if (message == platform::WM_PAINT && window == window_) Paint();
  if (message == platform::WM_NCDESTROY && window == window_) {
    window_ = 0;
    shown_ = false;
  }
  return 0;
}

void Tooltip::Paint() {
  auto& windows = platform::Get<platform::Windows>();
  windows.BeginPaint(window_);
  const platform::Rect client = windows.GetClientRect(window_);
  platform::Image image(client.Width(), client.Height());
  {
    platform::Painter painter(image);
    painter.FillRect(client, 0xFF767676);
    painter.FillRect({1, 1, client.right - 1, client.bottom - 1}, 0xFFFFFFFF);
    painter.DrawText(text_, TipFont(), {kPadding, 0, client.right - kPadding, client.bottom},
                     platform::TextAlign::Near, platform::TextAlign::Center, 0xFF000000);
  }
  windows.Present(window_, image, client, false);
}

}  // namespace LumoUI
