#include "platform/TextEditBuffer.h"

#include <algorithm>

namespace platform {

void TextEditBuffer::Reset(const std::wstring& text) {
  text_ = limit_ > 0 && static_cast<int>(text.size()) > limit_ ? text.substr(0, limit_) : text;
  caret_ = anchor_ = static_cast<int>(text_.size());
}

std::wstring TextEditBuffer::SelectedText() const {
  return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void TextEditBuffer::MoveTo(int position, bool extend) {
  caret_ = std::clamp(position, 0, static_cast<int>(text_.size()));
  if (!extend) anchor_ = caret_;
}

void TextEditBuffer::SelectAll() {
  anchor_ = 0;
  caret_ = static_cast<int>(text_.size());
}

bool TextEditBuffer::Insert(const std::wstring& typed) {
  std::wstring text = typed.substr(0, typed.find_first_of(L"\r\n"));
  if (text.empty()) return false;
  if (digits_only_ &&
      !std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
    return false;
  }
  const int kept = static_cast<int>(text_.size()) - (SelectionEnd() - SelectionStart());
  if (limit_ > 0) {
    const int room = limit_ - kept;
    if (room <= 0) return false;
    if (static_cast<int>(text.size()) > room) text.resize(room);
  }
  const int start = SelectionStart();
  text_.replace(start, SelectionEnd() - start, text);
  caret_ = anchor_ = start + static_cast<int>(text.size());
  return true;
}

bool TextEditBuffer::DeleteSelection() {
  if (!HasSelection()) return false;
  const int start = SelectionStart();
  text_.erase(start, SelectionEnd() - start);
  caret_ = anchor_ = start;
  return true;
}

bool TextEditBuffer::DeleteBackward() {
  if (DeleteSelection()) return true;
  if (caret_ == 0) return false;
  text_.erase(--caret_, 1);
  anchor_ = caret_;
  return true;
}

bool TextEditBuffer::DeleteForward() {
  if (DeleteSelection()) return true;
  if (caret_ >= static_cast<int>(text_.size())) return false;
  text_.erase(caret_, 1);
  return true;
}

}  // namespace platform
