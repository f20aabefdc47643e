#include "ui/widgets/MListBox.h"

#include <utility>

#include "ui/core/Manager.h"
#include "ui/core/Notifications.h"

namespace LumoUI {

MListBox::MListBox(MObject* parent, unsigned id, CRect rect, int visible)
    : MPanel(parent, id, rect, visible, 1) {}

int MListBox::AddItem(const wchar_t* text, long data) {
  return AddString(text, data, 1);
}

int MListBox::AddString(const wchar_t* text, long data, int kind) {
  return InsertString(-1, text, kind, data);
}

int MListBox::InsertString(int at, const wchar_t* text, int kind, long data) {
  int index;
  {
    std::lock_guard lock(rows_lock_);
    const int count = static_cast<int>(rows_.size());
    if (at < -1 || at > count) return -1;
    index = at == -1 ? count : at;
    rows_.insert(rows_.begin() + index, Row{text ? text : L"", data, kind});
    if (selected_ >= index) ++selected_;
    if (hover_ >= index) ++hover_;
  }
  RowsChanged();
  return index;
}

bool MListBox::DeleteItem(int index) {
  {
    std::lock_guard lock(rows_lock_);
    if (!Valid(index)) return false;
    rows_.erase(rows_.begin() + index);
    for (int* row : {&selected_, &hover_}) {
      if (*row == index) {
        *row = -1;
      } else if (*row > index) {
        --*row;
      }
    }
  }
  RowsChanged();
  return true;
}

void MListBox::DeleteAllItems() {
  {
    std::lock_guard lock(rows_lock_);
    rows_.clear();
    selected_ = hover_ = -1;
  }
  SetScrollPos({0, 0});
  RowsChanged();
}

int MListBox::GetItemCount() const {
  std::lock_guard lock(rows_lock_);
  return static_cast<int>(rows_.size());
}

std::wstring MListBox::GetItemText(int index) const {
  std::lock_guard lock(rows_lock_);
  return Valid(index) ? rows_[index].text : std::wstring();
}

long MListBox::GetItemData(int index) const {
  std::lock_guard lock(rows_lock_);
  return Valid(index) ? rows_[index].data : 0;
}

bool MListBox::SetItemData(int index, long data) {
  std::lock_guard lock(rows_lock_);
  if (!Valid(index)) return false;
  rows_[index].data = data;
  return true;
}

int MListBox::GetItemKind(int index) const {
  std::lock_guard lock(rows_lock_);
  return Valid(index) ? rows_[index].kind : 0;
}

bool MListBox::ModifyItemString(int index, const wchar_t* text) {
  std::lock_guard lock(rows_lock_);
  if (!Valid(index)) return false;
  rows_[index].text = text ? text : L"";
  return true;
}

int MListBox::FindString(const wchar_t* text) const {
  if (!text) return -1;
  std::lock_guard lock(rows_lock_);
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].text == text) return static_cast<int>(i);
  }
  return -1;
}

int MListBox::FindItemData(long data) const {
  std::lock_guard lock(rows_lock_);
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].data == data) return static_cast<int>(i);
  }
  return -1;
}

bool MListBox::SetCurSel(int index) {
  {
    std::lock_guard lock(rows_lock_);
    if (index < -1 || index >= static_cast<int>(rows_.size())) return false;
    if (index == selected_) return true;
    selected_ = index;
  }
  UpdateControl(0, 0);
  return true;
}

long MListBox::GetCurData() const {
  std::lock_guard lock(rows_lock_);
  return Valid(selected_) ? rows_[selected_].data : 0;
}

int MListBox::SetCurData(long data) {
  const int index = FindItemData(data);
  if (index >= 0) SetCurSel(index);
  return index;
}

void MListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  row_height_ = height;
  RowsChanged();
}

bool MListBox::SwapItem(int first, int second) {
  {
    std::lock_guard lock(rows_lock_);
    if (!Valid(first) || !Valid(second)) return false;
    std::swap(rows_[first], rows_[second]);
  }
  UpdateControl(0, 0);
  return true;
}

CRect MListBox::GetItemRect(int index) const {
  std::lock_guard lock(rows_lock_);
  if (!Valid(index)) return {};
  const CRect rect = GetRect();
  const int top = rect.top + index * row_height_;
  return {rect.left, top, GetViewRect().right, top + row_height_};
}

int MListBox::ItemAt(CPoint point) const {
  const CRect rect = GetRect();
  if (point.x < rect.left || point.x >= GetViewRect().right || point.y < rect.top) return -1;
  const int index = (point.y - rect.top) / row_height_;
  return index < GetItemCount() ? index : -1;
}

void MListBox::RowsChanged() {
  UpdateScrollBars();
  UpdateControl(1, 0);
}

CSize MListBox::GetContentSize() {
  // Rows take the width of the view, so they never need a horizontal bar.
  return {0, GetItemCount() * row_height_};
}

int MListBox::OnControlMouseMove(unsigned, CPoint point) {
  // The mouse is outside when the manager reports (-1, -1) or the point left the view.
  const CPoint scroll = GetScrollPos();
  const CPoint window{point.x - scroll.x, point.y - scroll.y};
  const int hover = GetViewRect().PtInRect(window) ? ItemAt(point) : -1;
  if (hover != hover_) {
    hover_ = hover;
    UpdateControl(0, 0);
  }
  return GetRect().PtInRect(window);
}

int MListBox::OnControlLButtonDown(unsigned, CPoint point) {
  const int index = ItemAt(point);
  if (!IsEnabled() || index < 0) return 0;
  SetCurSel(index);
  SendMessageW(NOTIFY_PRESSED, static_cast<unsigned>(index), 0);
  return 1;
}

int MListBox::OnControlLButtonUp(unsigned, CPoint point) {
  const int index = ItemAt(point);
  if (!IsEnabled() || index < 0) return 0;
  SetCurSel(index);
  SendMessageW(NOTIFY_CLICKED, static_cast<unsigned>(index), 0);
  return 1;
}

int MListBox::OnControlLButtonDblClk(unsigned, CPoint) {
  if (!IsEnabled()) return 0;
  SendMessageW(NOTIFY_DOUBLE_CLICKED, static_cast<unsigned>(selected_), 0);
  return 1;
}

int MListBox::OnControlRButtonUp(unsigned, CPoint) {
  if (!IsEnabled() || hover_ < 0) return 0;
  SetCurSel(hover_);
  SendMessageW(NOTIFY_RIGHT_RELEASED, static_cast<unsigned>(hover_), 0);
  return 1;
}

void MListBox::DrawContent(platform::Painter& painter, CRect content_clip) {
  std::lock_guard lock(rows_lock_);
  const CRect rect = GetRect();
  if (rows_.empty() || row_height_ <= 0) return;
  const int first = std::max(0, (content_clip.top - rect.top) / row_height_);
  const int last =
      std::min(static_cast<int>(rows_.size()) - 1, (content_clip.bottom - rect.top) / row_height_);
  for (int i = first; i <= last; ++i) {
    const int top = rect.top + i * row_height_;
    DrawRow(painter, i, rows_[i], {rect.left, top, GetViewRect().right, top + row_height_});
  }
}

void MListBox::DrawRow(platform::Painter& painter, int index, const Row& row, const CRect& rect) {
  const uint32_t select = Manager::GetSelectColor().argb;
  if (index == selected_ || index == hover_) {
    painter.RoundedRect(rect.left + 1.5, rect.top + 0.5, rect.Width() - 3, rect.Height() - 1, 0, 0,
                        select, 1, false, 0);
  }
  painter.DrawText(row.text, GetDrawFont(),
                   {rect.left + text_left_, rect.top, rect.right, rect.bottom},
                   platform::TextAlign::Near, platform::TextAlign::Center, GetTextColor().argb);
}

}  // namespace LumoUI
