#pragma once

#include <cstdint>
#include <string>

#include "platform/Image.h"
#include "platform/Painter.h"
#include "platform/TextEditBuffer.h"
#include "platform/TextLineLayout.h"
#include "platform/Windows.h"

namespace platform {

// How a text field looks and what it accepts.
struct TextFieldOptions {
  Font font;
  uint32_t text_argb = 0xFFFFFFFF;
  uint32_t back_argb = 0xFF061835;
  TextAlign align = TextAlign::Near;
  int limit = 0;  // characters; 0: none
  bool digits_only = false;
  bool password = false;
  wchar_t password_char = L'*';
  bool read_only = false;
  // Off: typed characters are ignored (keys that move the caret still work).
  bool accept_chars = true;
};

// What a text field tells its user.
class TextFieldListener {
 public:
  virtual ~TextFieldListener() = default;
  virtual void OnTextFieldChanged() {}
  virtual void OnTextFieldEnter() {}
  // The field lost the keyboard focus to another window while open.
  virtual void OnTextFieldFocusLost() {}
};

// A single-line text field: a borderless window of the window facility, owned by `owner` and
// placed over a control in screen coordinates. While it has the focus it receives the owner's
// typing (on X11 through the input method, so any script can be typed). It draws its text, caret
// and selection with the Painter; the mouse and Shift with the arrows select, Home and End jump,
// Backspace and Delete erase, Ctrl+A/C/X/V select all and use the desktop's clipboard. The limit
// and digits only hold for typing and pasting alike.
class TextField final : public WindowHandler {
 public:
  static constexpr const wchar_t* kClassName = L"FSEditWindow";
  static constexpr int kMargin = 2;

  TextField(WindowId owner, TextFieldListener* listener);
  ~TextField() override;
  TextField(const TextField&) = delete;
  TextField& operator=(const TextField&) = delete;

  void SetOptions(const TextFieldOptions& options);
  const TextFieldOptions& Options() const { return options_; }

  // Moves the field over `screen_rect`, gives it `text` with the caret after the last character
  // and nothing selected, shows it without activating and gives it the keyboard focus. The
  // window is made on first use; false when it cannot be.
  bool Open(const Rect& screen_rect, const std::wstring& text);
  // Hides the field and hands the keyboard focus back to the owner; no focus-lost notice.
  void Close();
  bool IsOpen() const { return open_; }
  WindowId Window() const { return window_; }

  const std::wstring& Text() const { return buffer_.Text(); }
  const TextEditBuffer& Buffer() const { return buffer_; }
  // What the field shows: the text, or one password character per character.
  std::wstring ShownText() const;

  LParam OnWindowMessage(WindowId window, uint32_t message, WParam wparam, LParam lparam) override;

 private:
  void OnKeyDown(uint32_t key, LParam flags);
  void OnChar(wchar_t character);
  // After an edit: repaint and, when the text changed, tell the listener.
  void Edited(bool changed);
  TextLineLayout Layout(const std::wstring& shown);
  int IndexAt(int x);
  int TextX(int index);
  void KeepCaretVisible();
  void Paint();
  void RestartBlink();

  WindowId owner_;
  TextFieldListener* listener_;
  TextFieldOptions options_;
  TextEditBuffer buffer_;
  WindowId window_ = 0;
  bool open_ = false;
  bool caret_on_ = true;
  bool selecting_ = false;
  int scroll_ = 0;  // pixels of text hidden at the left
  Image back_buffer_;
};

}  // namespace platform
