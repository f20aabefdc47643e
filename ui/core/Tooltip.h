#pragma once

#include <string>

#include "platform/Windows.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

// A window's tooltip: a small topmost window without activation, made on first use, that shows
// one line of text below the control it explains.
class Tooltip final : public platform::WindowHandler {
 public:
  static constexpr int kMaxWidth = 256;

  explicit Tooltip(platform::WindowId owner) : owner_(owner) {}
  ~Tooltip() override;
  Tooltip(const Tooltip&) = delete;
  Tooltip& operator=(const Tooltip&) = delete;

  // Shows `text` under `at` (client coordinates of the owner window).
  void Show(const std::wstring& text, const CRect& at);
  void Hide();
  bool IsShown() const { return shown_; }
  const std::wstring& Text() const { return text_; }
  platform::WindowId Window() const { return window_; }

  platform::LParam OnWindowMessage(platform::WindowId window, uint32_t message,
                                   platform::WParam wparam, platform::LParam lparam) override;

 private:
  void Paint();

  platform::WindowId owner_;
  platform::WindowId window_ = 0;
  std::wstring text_;
  bool shown_ = false;
};

}  // namespace LumoUI
