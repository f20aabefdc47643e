#include "ui/widgets/MRichEdit.h"

#include "platform/Backend.h"
#include "platform/TextEditKeys.h"
#include "platform/TextLineLayout.h"
#include "platform/Windows.h"
#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {
namespace {

constexpr uint32_t kSelectionArgb = 0xFF3B82D0;

platform::Windows& Desktop() {
  return platform::Get<platform::Windows>();
}

}  // namespace

MRichEdit::MRichEdit(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
                     int enabled)
    : MEdit(parent, id, rect, title, visible, enabled) {}

std::wstring MRichEdit::GetEditText() {
  return open_ ? buffer_.Text() : GetTitle();
}

std::wstring MRichEdit::ShownText() const {
  if (!password) return buffer_.Text();
  return std::wstring(buffer_.Text().size(), password_char);
}

platform::TextAlign MRichEdit::Alignment() const {
  return horizontal_alignment_ == AlignCenter  ? platform::TextAlign::Center
         : horizontal_alignment_ == AlignRight ? platform::TextAlign::Far
                                               : platform::TextAlign::Near;
}

bool MRichEdit::OpenEdit() {
  PaintManager* manager = GetManager();
  if (read_only || !IsEnabled() || !manager) return false;
  buffer_.SetLimit(limit_text);
  buffer_.SetDigitsOnly(digits_only != 0);
  buffer_.Reset(GetTitle());
  scroll_ = 0;
  open_ = true;
  // The typing comes to the window itself, not to the text field of another edit.
  const platform::WindowId window = manager->GetPaintWnd();
  if (window && Desktop().GetFocus() != window) Desktop().SetFocus(window);
  manager->CreateCaret(1, GetTextRect().Height());
  Edited(false);
  return true;
}

void MRichEdit::CloseEdit() {
  if (!open_) return;
  open_ = false;
  scroll_ = 0;
  PaintManager* manager = GetManager();
  // Another edit may own the caret already: it opened before this one heard of the change.
  if (manager && manager->GetCurrentCaretObject() == this) manager->ShowCaret(0);
  UpdateControl(0, 0);
  SendMessageW(NOTIFY_EDIT_CLOSED, 0, 0);
}

void MRichEdit::Edited(bool changed) {
  const std::wstring shown = ShownText();
  const platform::Font font = GetDrawFont();
  const CRect area = GetTextRect();
  scroll_ = platform::TextLineLayout(shown, font, area.Width(), Alignment(), scroll_)
                .ScrollFor(buffer_.Caret());
  if (PaintManager* manager = GetManager()) {
    platform::TextLineLayout layout(shown, font, area.Width(), Alignment(), scroll_);
    manager->SetCaretPos(this, area.left + layout.X(buffer_.Caret()), area.top);
    manager->ShowCaret(1);  // visible at once after every key
  }
  if (changed) {
    SetControlTitle(buffer_.Text().c_str());
    SendMessageW(NOTIFY_TEXT_CHANGED, 0, 0);
  }
  UpdateControl(0, 0);
}

int MRichEdit::OnControlLButtonDown(unsigned flags, CPoint point) {
  const CRect area = GetTextRect();
  if (!open_ || !area.PtInRect(point)) return MEdit::OnControlLButtonDown(flags, point);
  // A press in the open edit moves the caret there (Shift: selects up to there).
  const std::wstring shown = ShownText();
  const platform::Font font = GetDrawFont();
  platform::TextLineLayout layout(shown, font, area.Width(), Alignment(), scroll_);
  buffer_.MoveTo(layout.IndexAt(point.x - area.left), (flags & platform::MK_SHIFT) != 0);
  Edited(false);
  return 1;
}

int MRichEdit::OnControlKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers) {
  if (!open_) return MEdit::OnControlKeyDown(virtual_key, repeat, modifiers);
  // The manager's modifier value: 16 Shift, 17 Ctrl (with Shift or not), 18 Alt.
  const bool control = (modifiers & 1) != 0;
  const bool shift = modifiers == 16;
  const platform::TextEditOutcome outcome =
      platform::ApplyTextEditKey(buffer_, FieldOptions(), virtual_key, shift, control);
  switch (outcome) {
    case platform::TextEditOutcome::Enter:
      // Enter ends the editing as leaving the edit does.
      if (GetManager() && GetManager()->GetFocusControl() == this) {
        GetManager()->SetFocusControl(nullptr);
      } else {
        CloseEdit();
      }
      break;
    case platform::TextEditOutcome::Moved:
    case platform::TextEditOutcome::Changed:
      Edited(outcome == platform::TextEditOutcome::Changed);
      break;
    case platform::TextEditOutcome::Ignored:
      break;
  }
  // Every key belongs to the open edit (Space types a space instead of clicking it).
  return 1;
}

int MRichEdit::OnControlChar(wchar_t character) {
  if (!open_) return 0;
  if (platform::ApplyTextEditChar(buffer_, FieldOptions(), character) ==
      platform::TextEditOutcome::Changed) {
    Edited(true);
  }
  return 1;
}

void MRichEdit::DrawEditText(platform::Painter& painter) {
  if (!open_) {
    MEdit::DrawEditText(painter);
    return;
  }
  const std::wstring shown = ShownText();
  const platform::Font font = GetDrawFont();
  const CRect area = GetTextRect();
  platform::TextLineLayout layout(shown, font, area.Width(), Alignment(), scroll_);
  painter.Save();
  painter.ClipTo(area.ToPlatform());
  if (buffer_.HasSelection()) {
    painter.FillRect({area.left + layout.X(buffer_.SelectionStart()), area.top,
                      area.left + layout.X(buffer_.SelectionEnd()), area.bottom},
                     kSelectionArgb);
  }
  const int origin = area.left + layout.X(0);
  painter.DrawText(shown, font, {origin, area.top, origin + platform::Image::kMaxSide, area.bottom},
                   platform::TextAlign::Near, platform::TextAlign::Center, GetTextColor().argb);
  painter.Restore();
}

}  // namespace LumoUI
