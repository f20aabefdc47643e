#include "ui/widgets/MPanel.h"

#include <algorithm>

#include "ui/core/ControlFactory.h"
#include "ui/widgets/CScrollHorizontal.h"
#include "ui/widgets/CScrollVertical.h"

namespace LumoUI {

MPanel::MPanel(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1),
      vertical_(new CScrollVertical(this, kVerticalBarId, {}, 0, 1)),
      horizontal_(new CScrollHorizontal(this, kHorizontalBarId, {}, 0, 1)) {
  SetDblClk(1);
  AddChild(kControls, vertical_);
  AddChild(kControls, horizontal_);
  UpdateScrollBars();
}

MControl* MPanel::CreateControl(const wchar_t* class_name, unsigned id, CRect rect,
                                const wchar_t* title, int visible, int enabled) {
  return CreateControl(kControls, class_name, id, rect, title, visible, enabled, this);
}

MControl* MPanel::CreateArea(const wchar_t* class_name, unsigned id, CRect rect,
                             const wchar_t* title, int visible, int enabled) {
  return CreateControl(kAreas, class_name, id, rect, title, visible, enabled, this);
}

MControl* MPanel::CreateControl(int list, const wchar_t* class_name, unsigned id, CRect rect,
                                const wchar_t* title, int visible, int enabled, MObject* parent) {
  MControl* control =
      ControlFactory::Make(ControlFactory::Owner::Container, class_name, parent ? parent : this, id,
                           rect, title, visible, enabled);
  if (!control) return nullptr;
  if (list != kAreas && list != kControls) {
    delete control;  // built for no list: nothing would ever own it
    return nullptr;
  }
  AddChild(static_cast<ListKind>(list), control);
  if (list == kControls) {
    // The scroll bars stay last so that they are drawn and hit above the content.
    MoveControlToEnd(vertical_);
    MoveControlToEnd(horizontal_);
  }
  UpdateScrollBars();
  return control;
}

MControl* MPanel::AddControl(MControl* control) {
  if (!control) return nullptr;
  AddChild(kControls, control);
  MoveControlToEnd(vertical_);
  MoveControlToEnd(horizontal_);
  UpdateScrollBars();
  return control;
}

bool MPanel::IsScrollBar(const MControl* control) const {
  return control == vertical_ || control == horizontal_;
}

CPoint MPanel::GetScrollPos() const {
  return {horizontal_->GetPosition(), vertical_->GetPosition()};
}

void MPanel::SetScrollPos(CPoint position) {
  const CPoint before = GetScrollPos();
  vertical_->SetPosition(position.y);
  horizontal_->SetPosition(position.x);
  if (!(GetScrollPos() == before)) UpdateControl(1, 0);
}

CRect MPanel::GetViewRect() const {
  CRect view = GetRect();
  if (vertical_->IsVisible()) view.right -= MScroll::kThickness;
  if (horizontal_->IsVisible()) view.bottom -= MScroll::kThickness;
  return view;
}

CRect MPanel::ToWindow(CRect content) const {
  const CPoint scroll = GetScrollPos();
  return {content.left - scroll.x, content.top - scroll.y, content.right - scroll.x,
          content.bottom - scroll.y};
}

CSize MPanel::GetContentSize() {
  const CRect rect = GetRect();
  int right = rect.left, bottom = rect.top;
  std::lock_guard lock(ControlsLock());
  for (MControl* child : GetControls()) {
    if (IsScrollBar(child) || !child->IsVisible()) continue;
    right = std::max(right, child->GetRect().right);
    bottom = std::max(bottom, child->GetRect().bottom);
  }
  return {right - rect.left, bottom - rect.top};
}

void MPanel::UpdateScrollBars() {
  const CRect rect = GetRect();
  const CSize content = GetContentSize();
  // A bar that appears takes room from the other direction, which may need its bar too.
  bool need_v = content.cy > rect.Height();
  bool need_h = content.cx > rect.Width() - (need_v ? MScroll::kThickness : 0);
  need_v = content.cy > rect.Height() - (need_h ? MScroll::kThickness : 0);
  const int view_w = rect.Width() - (need_v ? MScroll::kThickness : 0);
  const int view_h = rect.Height() - (need_h ? MScroll::kThickness : 0);

  vertical_->SetVisible(need_v, 0);
  horizontal_->SetVisible(need_h, 0);
  vertical_->SetControlRect(
      {rect.right - MScroll::kThickness, rect.top, rect.right, rect.top + std::max(0, view_h)});
  horizontal_->SetControlRect(
      {rect.left, rect.bottom - MScroll::kThickness, rect.left + std::max(0, view_w), rect.bottom});
  vertical_->SetRange(need_v ? content.cy : 0, std::max(0, view_h));
  horizontal_->SetRange(need_h ? content.cx : 0, std::max(0, view_w));
}

void MPanel::OnScrollBarMoved(MScroll*) {
  UpdateControl(1, 0);
}

long MPanel::OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) {
  return OnMessage(id, code, wparam, lparam);
}

long MPanel::OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) {
  return GetParantObject() ? GetParantObject()->OnBaseMessage(id, code, wparam, lparam) : 0;
}

long MPanel::OnControlUpdate(CRect rect, int stale, MControl* control) {
  // Children ask in content coordinates; the window sees them shifted and cut to the view.
  if (control && control != this && !IsScrollBar(control)) {
    rect = ToWindow(rect).Intersect(GetViewRect());
    if (rect.IsRectEmpty()) return 0;
  }
  return MControlFont::OnControlUpdate(rect, stale, control);
}

void MPanel::OnMousePointChange(CPoint& point) {
  const CPoint scroll = GetScrollPos();
  point.x += scroll.x;
  point.y += scroll.y;
}

void MPanel::SetControlRect(CRect rect) {
  MControlFont::SetControlRect(rect);
  UpdateScrollBars();
}

void MPanel::DrawBackImage(platform::Painter& painter) {
  if (GetImageInfo()) DrawImageFrame(painter, 0, GetRect());
}

void MPanel::DrawControl(platform::Painter& painter, CRect clip) {
  const CRect view = GetViewRect().Intersect(clip);
  if (view.IsRectEmpty()) return;
  DrawBackImage(painter);
  const CPoint scroll = GetScrollPos();
  painter.Save();
  painter.ClipTo(view.ToPlatform());
  painter.Translate(-scroll.x, -scroll.y);
  DrawContent(painter, {view.left + scroll.x, view.top + scroll.y, view.right + scroll.x,
                        view.bottom + scroll.y});
  painter.Restore();
}

bool MPanel::DrawSubControls(platform::Painter& painter, CRect clip) {
  const CRect view = GetViewRect().Intersect(clip);
  const CPoint scroll = GetScrollPos();
  const CRect content_clip(view.left + scroll.x, view.top + scroll.y, view.right + scroll.x,
                           view.bottom + scroll.y);
  std::lock_guard lock(ControlsLock());
  std::vector<MControl*>& children = GetControls();
  if (!view.IsRectEmpty()) {
    painter.Save();
    painter.ClipTo(view.ToPlatform());
    painter.Translate(-scroll.x, -scroll.y);
    for (size_t i = 0; i < children.size(); ++i) {
      if (!IsScrollBar(children[i]) && children[i]->IsVisible())
        children[i]->Draw(painter, content_clip);
    }
    painter.Restore();
  }
  for (MScroll* bar : {vertical_, horizontal_}) {
    if (bar->IsVisible()) bar->Draw(painter, clip);
  }
  return true;
}

int MPanel::OnControlScroll(int, unsigned down, CPoint) {
  if (vertical_->GetMaxPosition() == 0) return 0;
  const int before = vertical_->GetPosition();
  vertical_->SetPosition(before + (down ? kWheelStep : -kWheelStep));
  if (vertical_->GetPosition() != before) OnScrollBarMoved(vertical_);
  return 1;
}

}  // namespace LumoUI
