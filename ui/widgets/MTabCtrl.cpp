#include "ui/widgets/MTabCtrl.h"

#include <algorithm>

#include "ui/core/Manager.h"
#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

MTabCtrl::MTabCtrl(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {}

MTabCtrl::~MTabCtrl() {
  StopAnimation();
}

int MTabCtrl::InsertItem(unsigned id, const wchar_t* text, const wchar_t* icon, MControl* page,
                         int frame_count, int width) {
  auto item = std::make_unique<TabItemInfo>();
  item->id = id;
  item->text = text ? text : L"";
  item->page = page;
  item->icon_count = frame_count > 0 ? frame_count : 3;
  if (icon && *icon && GetManager()) {
    if (auto image = GetManager()->AddImgResInfo(icon, item->icon_count)) {
      item->icon = image;
      // The cache keeps the count an image was first loaded with; frames follow the request.
      item->icon_width = image->image->Width() / item->icon_count;
      item->icon_height = image->height;
    }
  }
  item->width = width > 0 ? width : item->icon_width;
  if (page) page->SetVisible(0);
  items_.push_back(std::move(item));
  RelayoutTabs();
  return GetItemCount() - 1;
}

bool MTabCtrl::DeleteItem(int index) {
  if (index < 0 || index >= GetItemCount()) return false;
  items_.erase(items_.begin() + index);
  for (int* tab : {&selected_, &previous_, &hover_}) {
    if (*tab == index) {
      *tab = -1;
    } else if (*tab > index) {
      --*tab;
    }
  }
  RelayoutTabs();
  return true;
}

TabItemInfo* MTabCtrl::GetItemInfo(int index) {
  return index >= 0 && index < GetItemCount() ? items_[index].get() : nullptr;
}

unsigned MTabCtrl::GetItemID(int index) const {
  return index >= 0 && index < GetItemCount() ? items_[index]->id : 0;
}

bool MTabCtrl::SetItemText(int index, const wchar_t* text) {
  TabItemInfo* item = GetItemInfo(index);
  if (!item) return false;
  item->text = text ? text : L"";
  Changed();
  return true;
}

bool MTabCtrl::SetItemVisible(int index, int visible) {
  TabItemInfo* item = GetItemInfo(index);
  if (!item) return false;
  item->visible = visible ? 1 : 0;
  RelayoutTabs();
  return true;
}

int MTabCtrl::GetItemVisible(int index) const {
  return index >= 0 && index < GetItemCount() ? items_[index]->visible : 0;
}

void MTabCtrl::SetTabTooltip(int index, const std::wstring& text) {
  if (TabItemInfo* item = GetItemInfo(index)) item->tooltip = text;
}

void MTabCtrl::SetVertical(int vertical) {
  vertical_ = vertical ? 1 : 0;
  RelayoutTabs();
}

void MTabCtrl::SetTabCtrlWidth(int width) {
  strip_width_ = std::max(0, width);
}

void MTabCtrl::SetTabCtrlHeight(int height) {
  strip_height_ = std::max(0, height);
}

void MTabCtrl::SetLeftRightPading(int left, int right) {
  pad_left_ = left;
  pad_right_ = right;
}

void MTabCtrl::SetTopBottomPading(int top, int bottom) {
  pad_top_ = top;
  pad_bottom_ = bottom;
}

int MTabCtrl::StripLength() const {
  if (vertical_) return strip_height_ > 0 ? strip_height_ : GetRect().Height();
  return strip_width_ > 0 ? strip_width_ : GetRect().Width();
}

int MTabCtrl::StripBreadth() const {
  if (vertical_) return strip_width_ > 0 ? strip_width_ : GetRect().Width();
  return strip_height_ > 0 ? strip_height_ : GetRect().Height();
}

int MTabCtrl::RoomPerTab(bool along) const {
  const int pads_along = vertical_ ? pad_top_ + pad_bottom_ : pad_left_ + pad_right_;
  const int pads_across = vertical_ ? pad_left_ + pad_right_ : pad_top_ + pad_bottom_;
  if (!along) return StripBreadth() - pads_across;
  const int tabs = static_cast<int>(std::count_if(
      items_.begin(), items_.end(), [](const auto& item) { return item->visible != 0; }));
  return (StripLength() - pads_along) / std::max(1, tabs);
}

int MTabCtrl::ComputeSize(int preferred, int minimum, bool along) const {
  if (minimum <= 0) return preferred;
  const int room = RoomPerTab(along);
  return room < preferred ? std::max(room, minimum) : preferred;
}

void MTabCtrl::SetItemWidth(int preferred, int minimum, int refresh) {
  item_width_ = ComputeSize(preferred, minimum, !vertical_);
  if (refresh) RelayoutTabs();
}

void MTabCtrl::SetItemHeight(int preferred, int minimum, int refresh) {
  item_height_ = ComputeSize(preferred, minimum, vertical_ != 0);
  if (refresh) RelayoutTabs();
}

void MTabCtrl::RelayoutTabs() {
  const CRect rect = GetRect();
  int x = rect.left + pad_left_;
  int y = rect.top + pad_top_;
  for (auto& item : items_) {
    if (!item->visible) continue;
    const int width = item->width > 0 ? item->width : item_width_;
    item->rect = {x, y, x + width, y + item_height_};
    if (vertical_) {
      y += item_height_;
    } else {
      x += width;
    }
  }
  Changed();
}

void MTabCtrl::SetControlRect(CRect rect) {
  MControlFont::SetControlRect(rect);
  RelayoutTabs();
}

void MTabCtrl::Changed() {
  copies_valid_ = false;
  UpdateControl(1, 0);
}

int MTabCtrl::ItemAt(CPoint point) const {
  for (int i = 0; i < GetItemCount(); ++i) {
    if (items_[i]->visible && items_[i]->rect.PtInRect(point)) return i;
  }
  return -1;
}

int MTabCtrl::SetSelectItem(int index) {
  if (index == selected_ || index < 0 || index >= GetItemCount()) return selected_;
  previous_ = selected_;
  selected_ = index;
  SendMessageW(NOTIFY_CLICKED, static_cast<unsigned>(index), 0);
  for (int i = 0; i < GetItemCount(); ++i) {
    if (MControl* page = items_[i]->page) page->SetVisible(i == selected_);
  }
  if (animate_ && GetManager()) {
    animation_step_ = 0;
    GetManager()->KillTimer(this, kAnimationKey);
    if (!GetManager()->SetTimer(this, kAnimationKey, kAnimationMs)) {
      animation_step_ = kAnimationSteps;
    }
  }
  UpdateControl(0, 0);
  return previous_;
}

int MTabCtrl::OnControlTimer() {
  if (animation_step_ >= kAnimationSteps) return 0;
  if (++animation_step_ >= kAnimationSteps) StopAnimation();
  UpdateControl(0, 0);
  return 1;
}

void MTabCtrl::StopAnimation() {
  animation_step_ = kAnimationSteps;
  if (GetManager()) GetManager()->KillTimer(this, kAnimationKey);
}

int MTabCtrl::OnControlMouseMove(unsigned, CPoint point) {
  const int hover = IsEnabled() ? ItemAt(point) : -1;
  bool changed = hover != hover_;
  for (int i = 0; i < GetItemCount(); ++i) {
    TabItemInfo& item = *items_[i];
    const int on_button = i == hover && item.button_rect.PtInRect(point) ? 1 : 0;
    changed = changed || on_button != item.button_hover;
    item.button_hover = on_button;
  }
  if (hover != hover_ && hover >= 0 && !items_[hover]->tooltip.empty()) {
    SetTooltip(items_[hover]->tooltip, items_[hover]->rect);
  }
  hover_ = hover;
  if (changed) UpdateControl(0, 0);
  return GetRect().PtInRect(point);
}

int MTabCtrl::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  const int index = ItemAt(point);
  if (index < 0) return 0;
  TabItemInfo& item = *items_[index];
  if (item.button_rect.PtInRect(point)) {
    item.button_pressed = 1;
    UpdateControl(0, 0);
    SendMessageW(NOTIFY_INNER_PRESSED, static_cast<unsigned>(index), 0);
  }
  return 1;
}

int MTabCtrl::OnControlLButtonUp(unsigned, CPoint point) {
  for (auto& item : items_)
    item->button_pressed = 0;
  if (!IsEnabled()) return 0;
  const int index = ItemAt(point);
  hover_ = index;
  if (index >= 0) SetSelectItem(index);
  UpdateControl(0, 0);
  return index >= 0;
}

long MTabCtrl::OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) {
  return GetParantObject() ? GetParantObject()->OnBaseMessage(id, code, wparam, lparam) : 0;
}

void MTabCtrl::DrawCopies() {
  const CRect rect = GetRect();
  copies_ = platform::Image(rect.Width() * kCopies, rect.Height());
  copies_valid_ = true;
  if (copies_.IsEmpty()) return;
  platform::Painter painter(copies_);
  platform::Font font = GetDrawFont();
  font.pixel_size = kTextSize;
  for (int copy = 0; copy < kCopies; ++copy) {
    painter.Save();
    painter.ClipTo({copy * rect.Width(), 0, (copy + 1) * rect.Width(), rect.Height()});
    painter.Translate(copy * rect.Width() - rect.left, -rect.top);
    for (const auto& item : items_) {
      if (!item->visible) continue;
      const CRect& tab = item->rect;
      const int icon_top = tab.top + (tab.Height() - item->icon_height - 25) / 2;
      if (item->icon && item->icon_width > 0) {
        const int frame = std::min(copy, item->icon_count - 1);
        const int left = tab.left + (tab.Width() - item->icon_width) / 2;
        painter.DrawImage(
            *item->icon->image,
            {frame * item->icon_width, 0, (frame + 1) * item->icon_width, item->icon_height},
            {left, icon_top, left + item->icon_width, icon_top + item->icon_height});
      }
      const int text_top = icon_top + item->icon_height;
      painter.DrawText(item->text, font, {tab.left, text_top, tab.right, text_top + kTextBoxHeight},
                       platform::TextAlign::Center, platform::TextAlign::Center,
                       copy == 0 ? kTextColor : kActiveTextColor);
    }
    painter.Restore();
  }
}

void MTabCtrl::DrawTabFromCopy(platform::Painter& painter, int index, int copy, uint8_t alpha) {
  if (index < 0 || index >= GetItemCount() || !items_[index]->visible) return;
  const CRect rect = GetRect();
  const CRect tab = items_[index]->rect.Intersect(rect);
  if (tab.IsRectEmpty()) return;
  const int x = copy * rect.Width() + tab.left - rect.left;
  const int y = tab.top - rect.top;
  painter.DrawImage(copies_, {x, y, x + tab.Width(), y + tab.Height()}, tab.ToPlatform(), alpha);
}

void MTabCtrl::DrawControl(platform::Painter& painter, CRect) {
  const CRect rect = GetRect();
  if (!copies_valid_ || copies_.Width() != rect.Width() * kCopies ||
      copies_.Height() != rect.Height()) {
    DrawCopies();
  }
  if (copies_.IsEmpty()) return;
  painter.DrawImage(copies_, {0, 0, rect.Width(), rect.Height()}, rect.ToPlatform());
  if (hover_ != selected_) DrawTabFromCopy(painter, hover_, 1, 255);
  if (animation_step_ < kAnimationSteps) {
    // The change of tab fades the old selection out and the new one in.
    const int step = 255 * animation_step_ / kAnimationSteps;
    if (previous_ != hover_)
      DrawTabFromCopy(painter, previous_, 2, static_cast<uint8_t>(255 - step));
    DrawTabFromCopy(painter, selected_, 2, static_cast<uint8_t>(step));
  } else {
    DrawTabFromCopy(painter, selected_, 2, 255);
  }
}

}  // namespace LumoUI
