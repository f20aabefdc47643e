#include "ui/widgets/MComboBox.h"

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/MRender.h"
#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"
#include "ui/widgets/ComboWnd.h"

namespace LumoUI {
namespace {

constexpr int kFrameBorder = 6;
constexpr int kArrowRoom = 30;

}  // namespace

MComboBox::MComboBox(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1), state_(enabled ? 0 : 3) {}

MComboBox::~MComboBox() = default;

int MComboBox::AddItem(const wchar_t* text, long data, const wchar_t* icon, Color colour) {
  std::lock_guard lock(items_lock_);
  items_.push_back({text ? text : L"", data, icon ? icon : L"", colour});
  return static_cast<int>(items_.size()) - 1;
}

int MComboBox::InsertItem(int at, const wchar_t* text, long data) {
  std::lock_guard lock(items_lock_);
  if (at == -1) return AddItem(text, data);
  if (at < 0 || at > static_cast<int>(items_.size())) return -1;
  items_.insert(items_.begin() + at, {text ? text : L"", data, L"", Color(0xFFFFFFFF)});
  if (selected_ >= at) ++selected_;
  return at;
}

bool MComboBox::SetItemText(int index, const std::wstring& text) {
  {
    std::lock_guard lock(items_lock_);
    if (!Valid(index)) return false;
    items_[index].text = text;
  }
  if (index == selected_) UpdateControl(0, 0);
  return true;
}

std::wstring MComboBox::GetItemText(int index) const {
  std::lock_guard lock(items_lock_);
  return Valid(index) ? items_[index].text : std::wstring();
}

bool MComboBox::SetItemData(int index, long data) {
  std::lock_guard lock(items_lock_);
  if (!Valid(index)) return false;
  items_[index].data = data;
  return true;
}

long MComboBox::GetItemData(int index) const {
  std::lock_guard lock(items_lock_);
  return Valid(index) ? items_[index].data : 0;
}

bool MComboBox::DeleteItem(int index) {
  {
    std::lock_guard lock(items_lock_);
    if (!Valid(index)) return false;
    items_.erase(items_.begin() + index);
    if (selected_ == index) selected_ = -1;
    if (selected_ > index) --selected_;
  }
  UpdateControl(0, 0);
  return true;
}

void MComboBox::DelAllItems() {
  {
    std::lock_guard lock(items_lock_);
    items_.clear();
    selected_ = -1;
  }
  UpdateControl(0, 0);
}

int MComboBox::GetItemCount() const {
  std::lock_guard lock(items_lock_);
  return static_cast<int>(items_.size());
}

bool MComboBox::SetCurSel(int index) {
  {
    std::lock_guard lock(items_lock_);
    if (index != -1 && !Valid(index)) return false;
    if (index == selected_) return true;
    selected_ = index;
  }
  UpdateControl(0, 0);
  return true;
}

long MComboBox::GetCurData() const {
  std::lock_guard lock(items_lock_);
  return Valid(selected_) ? items_[selected_].data : 0;
}

int MComboBox::FindData(long data) const {
  std::lock_guard lock(items_lock_);
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].data == data) return static_cast<int>(i);
  }
  return -1;
}

int MComboBox::SelectData(long data) {
  const int index = FindData(data);
  if (index >= 0) SetCurSel(index);
  return index;
}

bool MComboBox::IsDroppedDown() const {
  return popup_ && popup_->GetSafeHwnd();
}

bool MComboBox::ShowDropDown() {
  PaintManager* manager = GetManager();
  if (!manager || !manager->GetPaintWnd()) return false;
  popup_.reset();
  platform::Windows& windows = platform::Get<platform::Windows>();
  const CRect rect = GetRect();
  const platform::Point origin =
      windows.ClientToScreen(manager->GetPaintWnd(), {rect.left, rect.top});
  const CRect box(origin.x, origin.y, origin.x + rect.Width(), origin.y + rect.Height());
  const platform::Rect work = windows.ScreenRect();
  const CRect at =
      ComboWnd::PopupRect(box, GetItemCount(), {work.left, work.top, work.right, work.bottom});
  popup_ = std::make_unique<ComboWnd>(this);
  if (popup_->Open(manager->GetPaintWnd(), at)) return true;
  popup_.reset();
  return false;
}

void MComboBox::OnPopupChoice(int index) {
  if (!SetCurSel(index)) return;
  SendMessageW(NOTIFY_CLICKED, 0, index);
}

void MComboBox::SetState(int state) {
  if (state == state_) return;
  state_ = state;
  UpdateControl(0, 0);
}

void MComboBox::SetControlEnabled(int enabled) {
  MControlFont::SetControlEnabled(enabled);
  state_ = enabled ? 0 : 3;
}

int MComboBox::OnControlMouseMove(unsigned, CPoint point) {
  if (!IsEnabled() || state_ == 2) return 0;
  SetState(GetRect().PtInRect(point) ? 1 : 0);
  return 0;
}

int MComboBox::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled() || !GetRect().PtInRect(point)) return 0;
  SetState(2);
  SendMessageW(NOTIFY_PRESSED, 0, selected_);
  return 1;
}

int MComboBox::OnControlLButtonUp(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  const bool clicked = state_ == 2 && GetRect().PtInRect(point);
  SetState(GetRect().PtInRect(point) ? 1 : 0);
  if (clicked) ShowDropDown();
  return 1;
}

void MComboBox::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  const uint32_t colour = state_ == 3 ? 0xFF808080 : GetTextColor().argb;
  if (const auto& image = GetImageInfo()) {
    // A skin's box picture carries its own drop-down arrow.
    const int frame = state_ < image->count ? state_ : 0;
    MRender::DrawImageFrame(painter, *image->image, rect, frame * image->frame_width, 0,
                            image->frame_width, image->height, kFrameBorder);
  } else {
    painter.RoundedRect(rect.left + 0.5, rect.top + 0.5, rect.Width() - 1, rect.Height() - 1, 4, 4,
                        0xFF10A8FD, 1, true, 0xFF061835);
    const double cx = rect.right - kArrowRoom / 2.0, cy = rect.top + rect.Height() / 2.0;
    painter.DrawLine(cx - 5, cy - 2, cx, cy + 3, colour, 2);
    painter.DrawLine(cx, cy + 3, cx + 5, cy - 2, colour, 2);
  }
  const std::wstring text = GetItemText(selected_);
  if (text.empty()) return;
  const CRect box = text_rect_.IsRectEmpty()
                        ? CRect(rect.left + 10, rect.top, rect.right - kArrowRoom, rect.bottom)
                        : text_rect_;
  painter.Save();
  painter.ClipTo(box.ToPlatform());
  painter.DrawText(text, GetDrawFont(), box.ToPlatform(), platform::TextAlign::Near,
                   platform::TextAlign::Center, colour);
  painter.Restore();
}

}  // namespace LumoUI
