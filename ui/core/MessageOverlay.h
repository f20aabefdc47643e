#pragma once

#include <functional>
#include <string>

#include "platform/Painter.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

enum MsgLevel { MsgInfo = 0, MsgWarning = 1, MsgError = 2 };

// A short message (optionally with a progress bar) drawn over a window's content: it holds for
// three seconds and then fades out. It starts and stops the window's timers through the hooks
// it is given, and asks for repaints of its box.
class MessageOverlay {
 public:
  struct Hooks {
    std::function<void(unsigned id, unsigned milliseconds)> start_timer;
    std::function<void(unsigned id)> stop_timer;
    std::function<void(const CRect&)> repaint;
  };
  static constexpr unsigned kHoldTimer = 66;
  static constexpr unsigned kFadeTimer = 88;
  static constexpr unsigned kProgressTimer = 99;

  explicit MessageOverlay(Hooks hooks) : hooks_(std::move(hooks)) {}

  void SetMessage(const std::wstring& text, const CRect& rect, MsgLevel level);
  // `rect` empty: the full width of `client`, from 60 to 2 pixels above its bottom.
  void SetProgress(int percent, const std::wstring& text, const CRect& rect, const CRect& client);
  // True when the timer was one of the overlay's.
  bool OnTimer(unsigned id);
  void Draw(platform::Painter& painter, const std::wstring& font_family);

  int Alpha() const { return alpha_; }
  int ShownPercent() const { return shown_; }
  const std::wstring& Text() const { return text_; }

 private:
  void StartFade();

  Hooks hooks_;
  std::wstring text_;
  MsgLevel level_ = MsgInfo;
  int alpha_ = 0;
  int shown_ = 0;
  int target_ = 0;
  CRect rect_;
};

}  // namespace LumoUI
