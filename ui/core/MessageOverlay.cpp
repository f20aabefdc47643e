#include "ui/core/MessageOverlay.h"

namespace LumoUI {
namespace {

uint32_t WithAlpha(int alpha, uint32_t rgb) {
  return (uint32_t(alpha & 0xFF) << 24) | rgb;
}

}  // namespace

void MessageOverlay::SetMessage(const std::wstring& text, const CRect& rect, MsgLevel level) {
  hooks_.stop_timer(kHoldTimer);
  hooks_.stop_timer(kFadeTimer);
  alpha_ = 255;
  text_ = text;
  level_ = level;
  rect_ = rect;
  shown_ = 0;
  target_ = 0;
  hooks_.repaint(rect_);
  hooks_.start_timer(kHoldTimer, 3000);
}

void MessageOverlay::SetProgress(int percent, const std::wstring& text, const CRect& rect,
                                 const CRect& client) {
  if (percent == target_) return;
  if (percent < 5) hooks_.stop_timer(kFadeTimer);
  alpha_ = 255;
  text_ = text;
  target_ = percent;
  rect_ = rect.IsRectEmpty()
              ? CRect(client.left, client.bottom - 60, client.right, client.bottom - 2)
              : rect;
  if (target_ - shown_ < 6) {
    shown_ = target_;
    if (shown_ > 99) StartFade();
  } else {
    hooks_.start_timer(kProgressTimer, 10);
  }
  hooks_.repaint(rect_);
}

void MessageOverlay::StartFade() {
  hooks_.start_timer(kFadeTimer, 50);
}

bool MessageOverlay::OnTimer(unsigned id) {
  switch (id) {
    case kHoldTimer:
      hooks_.stop_timer(kHoldTimer);
      StartFade();
      return true;
    case kFadeTimer:
      alpha_ -= 10;
      if (alpha_ < 20) {
        alpha_ = 0;
        shown_ = 0;
        target_ = 0;
        hooks_.stop_timer(kFadeTimer);
      }
      hooks_.repaint(rect_);
      return true;
    case kProgressTimer:
      shown_ = std::min(shown_ + 2, target_);
      if (shown_ >= target_) {
        hooks_.stop_timer(kProgressTimer);
        if (shown_ >= 100) StartFade();
      }
      hooks_.repaint(rect_);
      return true;
    default:
      return false;
  }
}

void MessageOverlay::Draw(platform::Painter& painter, const std::wstring& font_family) {
  if (alpha_ <= 10 || text_.empty() || rect_.IsRectEmpty()) return;
  painter.FillRect(rect_.ToPlatform(), WithAlpha(alpha_, 0xE6E6E6));
  painter.FillRect(rect_.Deflate(2).ToPlatform(), WithAlpha(alpha_, 0xFEFEFE));
  const platform::Font font{font_family, 12};
  const uint32_t text_colour = WithAlpha(alpha_, 0x050505);
  if (target_ == 0 && shown_ == 0) {
    const platform::Rect box{rect_.left + 5, rect_.top + 5, rect_.left + 195, rect_.top + 55};
    painter.DrawText(text_, font, box, platform::TextAlign::Near, platform::TextAlign::Center,
                     text_colour);
    return;
  }
  const platform::Rect box{rect_.left + 5, rect_.top + 5, rect_.right - 5, rect_.top + 35};
  painter.DrawText(text_, font, box, platform::TextAlign::Center, platform::TextAlign::Center,
                   text_colour);
  const int line_y = rect_.bottom - 15;
  painter.DrawLine(rect_.left + 10, line_y + 0.5, rect_.right - 20, line_y + 0.5, 0xC8C8C8C8);
  const int width = shown_ * (rect_.Width() - 20) / 100;
  painter.FillRect({rect_.left + 10, rect_.bottom - 16, rect_.left + 10 + width, rect_.bottom - 13},
                   0xFEFFE100);
}

}  // namespace LumoUI
