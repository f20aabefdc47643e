#include "ui/widgets/CSpinButton.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "ui/core/Notifications.h"

namespace LumoUI {
namespace {

constexpr int kMaxDigits = 9;  // any number of them fits an int

}  // namespace

CSpinButton::CSpinButton(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MRichEdit(parent, id, rect, L"0", visible, enabled) {
  digits_only = 1;
  limit_text = kMaxDigits;
}

void CSpinButton::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetValue(value_);
}

int CSpinButton::SetValue(int value) {
  value_ = std::clamp(value, min_, max_);
  const std::wstring text = std::to_wstring(value_);
  if (text != GetTitle()) {
    SetControlTitle(text.c_str());
    UpdateControl(0, 0);
  }
  return value_;
}

void CSpinButton::ChangeTo(long long value) {
  const int before = value_;
  SetValue(static_cast<int>(std::clamp<long long>(value, min_, max_)));
  if (value_ != before) SendMessageW(NOTIFY_SPIN_CHANGED, static_cast<unsigned>(value_), 0);
}

CRect CSpinButton::UpArrowRect() const {
  const CRect rect = GetRect();
  return {rect.right - kArrowWidth, rect.top, rect.right, rect.top + rect.Height() / 2};
}

CRect CSpinButton::DownArrowRect() const {
  const CRect rect = GetRect();
  return {rect.right - kArrowWidth, rect.top + rect.Height() / 2, rect.right, rect.bottom};
}

CRect CSpinButton::GetTextRect() const {
  CRect area = MRichEdit::GetTextRect();
  area.right = std::min(area.right, GetRect().right - kArrowWidth - 2);
  return area;
}

void CSpinButton::CloseEdit() {
  if (!IsEditOpen()) return;
  MRichEdit::CloseEdit();
  // The typed number counts now; an empty edit keeps the value it had.
  const std::wstring text = GetTitle();
  if (text.empty()) {
    SetValue(value_);
    return;
  }
  ChangeTo(std::wcstoll(text.c_str(), nullptr, 10));
}

int CSpinButton::OnControlLButtonDown(unsigned flags, CPoint point) {
  if (!IsEnabled()) return 0;
  const bool up = UpArrowRect().PtInRect(point);
  if (!up && !DownArrowRect().PtInRect(point)) return MRichEdit::OnControlLButtonDown(flags, point);
  CloseEdit();
  ChangeTo(static_cast<long long>(value_) + (up ? step_ : -step_));
  return 1;
}

int CSpinButton::OnControlLButtonDblClk(unsigned flags, CPoint point) {
  if (!UpArrowRect().PtInRect(point) && !DownArrowRect().PtInRect(point)) return 0;
  return OnControlLButtonDown(flags, point);
}

int CSpinButton::OnControlScroll(int, unsigned down, CPoint) {
  if (!IsEnabled()) return 0;
  CloseEdit();
  ChangeTo(static_cast<long long>(value_) + (down ? -step_ : step_));
  return 1;
}

void CSpinButton::DrawControl(platform::Painter& painter, CRect clip) {
  const CRect rect = GetRect();
  if (!GetImageInfo()) {
    painter.RoundedRect(rect.left + 0.5, rect.top + 0.5, rect.Width() - 1, rect.Height() - 1, 4, 4,
                        0xFF10A8FD, 1, true, 0xFF061835);
  }
  MRichEdit::DrawControl(painter, clip);
  const uint32_t arrow = IsEnabled() ? 0xFF10A8FD : 0xFF808080;
  for (const bool up : {true, false}) {
    const CRect box = up ? UpArrowRect() : DownArrowRect();
    const double cx = box.left + box.Width() / 2.0 - 2, cy = box.top + box.Height() / 2.0;
    const double tip = up ? cy - 2 : cy + 2, base = up ? cy + 2 : cy - 2;
    painter.DrawLine(cx - 4, base, cx, tip, arrow, 1.5);
    painter.DrawLine(cx, tip, cx + 4, base, arrow, 1.5);
  }
}

}  // namespace LumoUI
