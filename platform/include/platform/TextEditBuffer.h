#pragma once

#include <string>

namespace platform {

// The text of a single-line field with its caret and selection, and the rules of what may be
// typed: a length limit and digits only. Positions are character indexes; the selection runs
// between the anchor and the caret.
class TextEditBuffer {
 public:
  // 0: no limit.
  void SetLimit(int limit) { limit_ = limit > 0 ? limit : 0; }
  int Limit() const { return limit_; }
  void SetDigitsOnly(bool on) { digits_only_ = on; }
  bool DigitsOnly() const { return digits_only_; }

  // Replaces the text (cut to the limit), the caret after the last character, nothing selected.
  void Reset(const std::wstring& text);
  const std::wstring& Text() const { return text_; }
  int Caret() const { return caret_; }
  int SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  int SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool HasSelection() const { return caret_ != anchor_; }
  std::wstring SelectedText() const;

  // Puts the caret at `position` (clamped); `extend` keeps the anchor, so the selection grows.
  void MoveTo(int position, bool extend);
  void MoveBy(int delta, bool extend) { MoveTo(caret_ + delta, extend); }
  void SelectAll();

  // Replaces the selection with `text`. Refused (false, nothing changes) when digits only is set
  // and the text holds anything else, or when the limit leaves no room; otherwise the text is cut
  // at its first line break and at the room the limit leaves. True when the text changed.
  bool Insert(const std::wstring& text);
  // Backspace and Delete: the selection, else the character before or after the caret.
  bool DeleteBackward();
  bool DeleteForward();
  bool DeleteSelection();

 private:
  std::wstring text_;
  int caret_ = 0;
  int anchor_ = 0;
  int limit_ = 0;
  bool digits_only_ = false;
};

}  // namespace platform
