#include "platform/TextField.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/TextEditKeys.h"

namespace platform {
namespace {

constexpr uint64_t kBlinkTimer = 1;
constexpr uint32_t kSelectionArgb = 0xFF3B82D0;

Windows& Desktop() {
  return Get<Windows>();
}

}  // namespace

TextField::TextField(WindowId owner, TextFieldListener* listener)
    : owner_(owner), listener_(listener) {}

TextField::~TextField() {
  open_ = false;
  if (window_) {
    const WindowId window = window_;
    window_ = 0;
    Desktop().Destroy(window);
  }
}

void TextField::SetOptions(const TextFieldOptions& options) {
  options_ = options;
  buffer_.SetLimit(options.limit);
  buffer_.SetDigitsOnly(options.digits_only);
  if (window_) Desktop().Invalidate(window_, nullptr);
}

std::wstring TextField::ShownText() const {
  if (!options_.password) return buffer_.Text();
  return std::wstring(buffer_.Text().size(), options_.password_char);
}

bool TextField::Open(const Rect& screen_rect, const std::wstring& text) {
  Windows& windows = Desktop();
  if (!window_) {
    WindowParams params;
    params.owner = owner_;
    params.class_name = kClassName;
    params.class_style = CS_DBLCLKS;
    params.style = WS_POPUP;
    params.ex_style = WS_EX_TOOLWINDOW;
    params.rect = screen_rect;
    params.handler = this;
    window_ = windows.Create(params);
    if (!window_) return false;
  } else {
    windows.Move(window_, screen_rect);
  }
  buffer_.Reset(text);
  scroll_ = 0;
  open_ = true;
  KeepCaretVisible();
  windows.Show(window_, SW_SHOWNOACTIVATE);
  windows.Invalidate(window_, nullptr);
  windows.SetFocus(window_);
  RestartBlink();
  return true;
}

void TextField::Close() {
  if (!open_) return;
  open_ = false;
  selecting_ = false;
  Windows& windows = Desktop();
  windows.KillTimer(window_, kBlinkTimer);
  if (windows.GetCapture() == window_) windows.ReleaseCapture();
  windows.Show(window_, SW_HIDE);
  if (windows.GetFocus() == window_) windows.SetFocus(owner_);
}

LParam TextField::OnWindowMessage(WindowId, uint32_t message, WParam wparam, LParam lparam) {
  if (!window_) return 0;
  const Point point = PointFromParam(lparam);
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_TIMER:
      if (wparam == kBlinkTimer) {
        caret_on_ = !caret_on_;
        Desktop().Invalidate(window_, nullptr);
      }
      return 0;
    case WM_KEYDOWN:
      if (open_) OnKeyDown(static_cast<uint32_t>(wparam), lparam);
      return 0;
    case WM_CHAR:
      if (open_) OnChar(static_cast<wchar_t>(wparam));
      return 0;
    case WM_LBUTTONDOWN:
      if (!open_) return 0;
      if (Desktop().GetFocus() != window_) Desktop().SetFocus(window_);
      Desktop().SetCapture(window_);
      selecting_ = true;
      buffer_.MoveTo(IndexAt(point.x), (wparam & MK_SHIFT) != 0);
      Edited(false);
      return 0;
    case WM_MOUSEMOVE:
      if (selecting_) {
        buffer_.MoveTo(IndexAt(point.x), true);
        Edited(false);
      }
      return 0;
    case WM_LBUTTONUP:
      selecting_ = false;
      if (Desktop().GetCapture() == window_) Desktop().ReleaseCapture();
      return 0;
    case WM_LBUTTONDBLCLK:
      buffer_.SelectAll();
      Edited(false);
      return 0;
    case WM_SETFOCUS:
      RestartBlink();
      return 0;
    case WM_KILLFOCUS:
      Desktop().KillTimer(window_, kBlinkTimer);
      caret_on_ = false;
      Desktop().Invalidate(window_, nullptr);
      if (open_ && listener_) listener_->OnTextFieldFocusLost();
      return 0;
    default:
      return 0;
  }
}

void TextField::OnKeyDown(uint32_t key, LParam flags) {
  const TextEditOutcome outcome = ApplyTextEditKey(
      buffer_, options_, key, (flags & KEY_SHIFT_HELD) != 0, (flags & KEY_CONTROL_HELD) != 0);
  if (outcome == TextEditOutcome::Enter) {
    if (listener_) listener_->OnTextFieldEnter();
    return;
  }
  if (outcome != TextEditOutcome::Ignored) Edited(outcome == TextEditOutcome::Changed);
}

void TextField::OnChar(wchar_t character) {
  if (ApplyTextEditChar(buffer_, options_, character) == TextEditOutcome::Changed) Edited(true);
}

void TextField::Edited(bool changed) {
  if (!window_) return;
  KeepCaretVisible();
  RestartBlink();
  Desktop().Invalidate(window_, nullptr);
  // Last: the listener may close the field.
  if (changed && listener_) listener_->OnTextFieldChanged();
}

TextLineLayout TextField::Layout(const std::wstring& shown) {
  const int room = Desktop().GetClientRect(window_).Width() - 2 * kMargin;
  return TextLineLayout(shown, options_.font, room, options_.align, scroll_);
}

int TextField::TextX(int index) {
  const std::wstring shown = ShownText();
  return kMargin + Layout(shown).X(index);
}

int TextField::IndexAt(int x) {
  const std::wstring shown = ShownText();
  return Layout(shown).IndexAt(x - kMargin);
}

void TextField::KeepCaretVisible() {
  const std::wstring shown = ShownText();
  scroll_ = Layout(shown).ScrollFor(buffer_.Caret());
}

void TextField::RestartBlink() {
  caret_on_ = true;
  if (open_ && Desktop().GetFocus() == window_)
    Desktop().SetTimer(window_, kBlinkTimer, Desktop().CaretBlinkMs());
}

void TextField::Paint() {
  Windows& windows = Desktop();
  windows.BeginPaint(window_);
  const Rect client = windows.GetClientRect(window_);
  if (client.Width() <= 0 || client.Height() <= 0) return;
  if (back_buffer_.Width() != client.Width() || back_buffer_.Height() != client.Height())
    back_buffer_ = Image(client.Width(), client.Height());
  {
    Painter painter(back_buffer_);
    painter.ClearRect(client, options_.back_argb);
    if (buffer_.HasSelection()) {
      const int left = std::max(TextX(buffer_.SelectionStart()), 0);
      const int right = std::min(TextX(buffer_.SelectionEnd()), client.Width());
      painter.FillRect({left, 1, right, client.Height() - 1}, kSelectionArgb);
    }
    const int origin = TextX(0);
    painter.ClipTo({kMargin, 0, client.Width() - kMargin, client.Height()});
    painter.DrawText(ShownText(), options_.font,
                     {origin, 0, origin + Image::kMaxSide, client.Height()}, TextAlign::Near,
                     TextAlign::Center, options_.text_argb);
    if (caret_on_ && open_ && windows.GetFocus() == window_) {
      const int x = TextX(buffer_.Caret());
      painter.FillRect({x, 2, x + 1, client.Height() - 2}, options_.text_argb);
    }
  }
  windows.Present(window_, back_buffer_, client, false);
}

}  // namespace platform
