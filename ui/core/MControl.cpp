#include "ui/core/MControl.h"

#include <algorithm>

#include "ui/core/ControlFactory.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {
namespace {

// Calls `visit` on each element of a list that may change while it is walked (a handler may add
// or remove siblings): indexes are re-checked at every step instead of holding iterators.
template <typename Visit>
void ForEach(std::vector<MControl*>& list, Visit visit) {
  for (size_t i = 0; i < list.size(); ++i)
    visit(list[i]);
}

}  // namespace

MControl::MControl(MObject* parent, unsigned id, CRect rect, int visible, int enabled, int response)
    : parent_(parent),
      id_(id),
      rect_(rect),
      visible_(visible),
      enabled_(enabled),
      response_(response) {}

MControl::~MControl() {
  RemoveAllControl();
  // The manager must not keep pointing here (hover, focus, timers, caret, pending repaints).
  if (manager_) manager_->ForgetControl(this);
}

long MControl::OnControlUpdate(CRect rect, int stale, MControl* control) {
  return parent_ ? parent_->OnControlUpdate(rect, stale, control) : 0;
}

void MControl::InitControl(PaintManager*) {}

bool MControl::PtInRect(CPoint point) {
  return visible_ && rect_.PtInRect(point);
}

bool MControl::DrawSubControls(platform::Painter& painter, CRect clip) {
  std::lock_guard lock(controls_lock_);
  ForEach(controls_, [&](MControl* child) {
    if (child->IsVisible()) child->Draw(painter, clip);
  });
  return true;
}

bool MControl::IsDraw(CPoint) {
  return false;
}

void MControl::SetUpdate(int valid, COLORREF colour) {
  cache_valid_ = valid;
  {
    std::lock_guard lock(areas_lock_);
    ForEach(areas_, [&](MControl* child) {
      if (child->GetRect().Meets(rect_)) child->SetUpdate(valid, colour);
    });
  }
  std::lock_guard lock(controls_lock_);
  ForEach(controls_, [&](MControl* child) {
    if (child->GetRect().Meets(rect_)) child->SetUpdate(valid, colour);
  });
}

int MControl::SetControlFocus(int focus) {
  if (!focus) {
    std::lock_guard lock(controls_lock_);
    ForEach(controls_, [](MControl* child) { child->SetControlFocus(0); });
  }
  return 0;
}

void MControl::InitUI(CRect) {}
void MControl::OnMousePointChange(CPoint&) {}
bool MControl::OnCheckMouseResponse(unsigned, CPoint) {
  return true;
}
long MControl::OnWindowMessage(unsigned, uint64_t, int64_t) {
  return 0;
}
long MControl::OnMessage(unsigned, unsigned, unsigned, long) {
  return 0;
}
void MControl::SetControlRect(CRect rect) {
  rect_ = rect;
}
void MControl::SetControlVisible(int visible) {
  visible_ = visible;
}
void MControl::SetControlWndVisible(int) {}
void MControl::SetControlEnabled(int enabled) {
  enabled_ = enabled;
}
int MControl::OnControlTimer() {
  return 0;
}
int MControl::OnControlMouseMove(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlSetCursor(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlLButtonDown(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlLButtonUp(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlLButtonDblClk(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlScroll(int, unsigned, CPoint) {
  return 0;
}
int MControl::OnControlRButtonDown(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlRButtonUp(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlRButtonDblClk(unsigned, CPoint) {
  return 0;
}
int MControl::OnControlKeyDown(unsigned, unsigned, unsigned) {
  return 0;
}
int MControl::OnControlChar(wchar_t) {
  return 0;
}
void MControl::OnPositionChange() {}

void MControl::InvalidateRect(const CRect* rect, int erase) {
  if (manager_) manager_->InvalidateRect(rect ? *rect : rect_, erase);
}

void MControl::SetRunTimer(int on) {
  runs_timer_ = on;
  if (on && manager_) manager_->WakeAnimation();
}

void MControl::SetManager(PaintManager* manager) {
  manager_ = manager;
  InitControl(manager);
  const auto attach = [manager](MControl* child) {
    if (!child->GetManager()) child->SetManager(manager);
  };
  {
    std::lock_guard lock(areas_lock_);
    ForEach(areas_, attach);
  }
  std::lock_guard lock(controls_lock_);
  ForEach(controls_, attach);
}

void MControl::SetRect(CRect rect) {
  const CRect old = rect_;
  SetControlRect(rect);
  if (visible_ && parent_) parent_->OnControlUpdate(old.Union(rect_), 1, this);
}

void MControl::SetVisible(int show, int redraw) {
  if (!show == !visible_) return;
  SetControlVisible(show);
  if (redraw && parent_) parent_->OnControlUpdate(rect_, 1, this);
}

void MControl::SetEnabled(int enable) {
  if (!enable == !enabled_) return;
  SetControlEnabled(enable);
  if (visible_ && parent_) parent_->OnControlUpdate(rect_, 1, this);
}

bool MControl::IsParentVisible() const {
  // Up to the window's own object (anything that is not a control), every parent must be shown.
  const MObject* parent = parent_;
  while (parent) {
    const auto* control = dynamic_cast<const MControl*>(parent);
    if (!control) return true;
    if (!control->IsVisible()) return false;
    parent = control->GetParantObject();
  }
  return false;
}

void MControl::UpdateControl(int stale, int force) {
  if ((visible_ || force) && parent_) parent_->OnControlUpdate(rect_, stale, this);
}

void MControl::UpdateControl(CRect rect, int force, int stale) {
  if ((visible_ || force) && parent_) parent_->OnControlUpdate(rect, stale, this);
}

void MControl::UpdateAControl(int steady, int force) {
  if (!(visible_ || force)) return;
  animating_ = !steady;
  if (parent_) parent_->OnControlUpdate(rect_, 0, this);
}

long MControl::SendMessageW(unsigned code, unsigned wparam, long lparam) {
  return parent_ ? parent_->OnBaseMessage(id_, code, wparam, lparam) : 0;
}

void MControl::SetTooltip(const std::wstring& text, CRect at) {
  if (!manager_) return;
  manager_->SetTooltip(text.c_str(), at);
  manager_->SetTooltipCtrlID(static_cast<int>(id_));
}

void MControl::ClearTooltip() {
  if (manager_) manager_->ClearTooltip();
}

void MControl::AddMTimer() {
  if (manager_) manager_->AddMTimer(this);
}

MControl* MControl::GetControl(unsigned id) {
  const auto search = [id](std::recursive_mutex& mutex, std::vector<MControl*>& list) -> MControl* {
    std::lock_guard lock(mutex);
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i]->GetControlID() == id) return list[i];
      if (MControl* found = list[i]->GetControl(id)) return found;
    }
    return nullptr;
  };
  if (MControl* found = search(controls_lock_, controls_)) return found;
  return search(areas_lock_, areas_);
}

bool MControl::IsFocusControl() const {
  return manager_ && manager_->GetFocusControl() == this;
}

MControl* MControl::AddChild(ListKind list, MControl* child) {
  if (!child) return nullptr;
  if (manager_ && !child->GetManager()) child->SetManager(manager_);
  if (list == kAreas) {
    std::lock_guard lock(areas_lock_);
    areas_.push_back(child);
  } else {
    std::lock_guard lock(controls_lock_);
    controls_.push_back(child);
  }
  return child;
}

MControl* MControl::CreateChild(ListKind list, const wchar_t* class_name, unsigned id, CRect rect,
                                const wchar_t* title, int visible, int enabled, MObject* parent) {
  if (list != kAreas && list != kControls) return nullptr;
  MControl* child = ControlFactory::Make(ControlFactory::Owner::Container, class_name,
                                         parent ? parent : this, id, rect, title, visible, enabled);
  return AddChild(list, child);
}

void MControl::RemoveControl(MControl* child) {
  if (!child) return;
  if (manager_ && manager_->GetFocusControl() == child) {
    child->SetControlFocus(0);
    manager_->RecordFocusControl(nullptr);
  }
  {
    std::lock_guard lock(controls_lock_);
    auto it = std::find(controls_.begin(), controls_.end(), child);
    if (it == controls_.end()) return;  // not ours: never delete what we do not own
    controls_.erase(it);
    if (mouse_child_ == child) mouse_child_ = nullptr;
  }
  delete child;
}

void MControl::RemoveAllControl() {
  std::vector<MControl*> areas, controls;
  {
    std::lock_guard lock(areas_lock_);
    areas.swap(areas_);
  }
  {
    std::lock_guard lock(controls_lock_);
    controls.swap(controls_);
    mouse_child_ = nullptr;
  }
  for (MControl* child : areas)
    delete child;
  for (MControl* child : controls)
    delete child;
}

platform::Image& MControl::UpdateMemDC(int cx, int cy) {
  cache_valid_ = 1;
  if (cache_.Width() != cx || cache_.Height() != cy) cache_ = platform::Image(cx, cy);
  return cache_;
}

platform::Image& MControl::UpdateAnimateDC(int cx, int cy) {
  animating_ = 1;
  animation_ = platform::Image(cx, cy);
  return animation_;
}

void MControl::Draw(platform::Painter& painter, CRect clip) {
  if (!visible_ || !clip.Meets(rect_)) return;
  {
    std::lock_guard lock(areas_lock_);
    ForEach(areas_, [&](MControl* area) {
      if (area->GetRect().Meets(rect_)) area->Draw(painter, clip);
    });
  }
  DrawControl(painter, clip);
  DrawSubControls(painter, clip);
}

CPoint MControl::ChildPoint(const MControl* child, CPoint window_point, CPoint content_point) {
  const unsigned id = child->GetControlID();
  return id == 1 || id == 2 ? window_point : content_point;
}

void MControl::MoveControlToEnd(MControl* child) {
  std::lock_guard lock(controls_lock_);
  auto it = std::find(controls_.begin(), controls_.end(), child);
  if (it == controls_.end()) return;
  controls_.erase(it);
  controls_.push_back(child);
}

int MControl::OnMouseMove(unsigned flags, CPoint point) {
  if (!visible_ || !response_) return 0;
  const CPoint window_point = point;
  OnMousePointChange(point);
  MControl* const before = mouse_child_;
  if (mouse_child_) {
    const CPoint p = ChildPoint(mouse_child_, window_point, point);
    if (mouse_child_->PtInRect(p) && mouse_child_->OnCheckMouseResponse(flags, p)) {
      return mouse_child_->OnMouseMove(flags, p);
    }
    // A drag that started here keeps feeding the child it started on.
    if (pressed_inside_) return mouse_child_->OnMouseMove(flags, p);
  }
  mouse_child_ = nullptr;
  if (!tooltip_.empty() && rect_.PtInRect(window_point) &&
      OnCheckMouseResponse(flags, window_point) && manager_ &&
      manager_->GetTooltipCtrlID() != static_cast<int>(id_)) {
    manager_->ShowControlTooltip(tooltip_, rect_, id_);
  }
  OnControlSetCursor(flags, point);
  int result = OnControlMouseMove(flags, point);
  if (pressed_inside_) return result;
  {
    std::lock_guard lock(controls_lock_);
    ForEach(controls_, [&](MControl* child) {
      const CPoint p = ChildPoint(child, window_point, point);
      if (child->OnMouseMove(flags, p) && child->PtInRect(p)) {
        mouse_child_ = child;  // the last one in list order wins: it is drawn on top
        result = 1;
      }
    });
  }
  // The mouse left a child whose tooltip is up.
  if (before && before != mouse_child_ && manager_ &&
      manager_->GetTooltipCtrlID() == static_cast<int>(before->GetControlID())) {
    manager_->ClearTooltip();
  }
  return result || mouse_child_ || before;
}

void MControl::TakeFocus() {
  if (!manager_) return;
  MControl* old = manager_->GetFocusControl();
  if (old == this) return;
  if (old) old->SetControlFocus(0);
  SetControlFocus(1);
  manager_->RecordFocusControl(this);
}

int MControl::OnButtonDown(bool right, unsigned flags, CPoint point) {
  if (!visible_ || !response_) return 0;
  const CPoint window_point = point;
  OnMousePointChange(point);
  pressed_inside_ = rect_.PtInRect(window_point);
  {
    std::lock_guard lock(controls_lock_);
    for (size_t i = controls_.size(); i-- > 0;) {
      MControl* child = controls_[i];
      if (child->IsVisible() && child->IsEnabled() && child->GetRresponse() &&
          child->PtInRect(ChildPoint(child, window_point, point))) {
        mouse_child_ = child;
        break;
      }
    }
  }
  if (MControl* child = mouse_child_) {
    const CPoint p = ChildPoint(child, window_point, point);
    return right ? child->OnRButtonDown(flags, p) : child->OnLButtonDown(flags, p);
  }
  TakeFocus();
  return right ? OnControlRButtonDown(flags, point) : OnControlLButtonDown(flags, point);
}

int MControl::OnButtonUp(bool right, unsigned flags, CPoint point) {
  if (!visible_ || !response_) return 0;
  const CPoint window_point = point;
  OnMousePointChange(point);
  pressed_inside_ = 0;
  if (MControl* child = mouse_child_) {
    const CPoint p = ChildPoint(child, window_point, point);
    return right ? child->OnRButtonUp(flags, p) : child->OnLButtonUp(flags, p);
  }
  return right ? OnControlRButtonUp(flags, point) : OnControlLButtonUp(flags, point);
}

int MControl::OnDoubleClick(bool right, unsigned flags, CPoint point) {
  if (!visible_ || !response_) return 0;
  const CPoint window_point = point;
  OnMousePointChange(point);
  pressed_inside_ = 0;
  if (MControl* child = mouse_child_) {
    const CPoint p = ChildPoint(child, window_point, point);
    const int taken = right ? child->OnRButtonDblClk(flags, p) : child->OnLButtonDblClk(flags, p);
    if (taken || child->GetDblClk()) return taken;
    return right ? child->OnRButtonDown(flags, p) : child->OnLButtonDown(flags, p);
  }
  if (takes_double_clicks_) {
    return right ? OnControlRButtonDblClk(flags, point) : OnControlLButtonDblClk(flags, point);
  }
  // Without double-click support the second click is simply another press.
  return right ? OnControlRButtonDown(flags, point) : OnControlLButtonDown(flags, point);
}

int MControl::OnScroll(int bar, unsigned down, CPoint point) {
  if (!visible_ || !response_ || !enabled_) return 0;
  const CPoint window_point = point;
  OnMousePointChange(point);
  if (MControl* child = mouse_child_) {
    const CPoint p = ChildPoint(child, window_point, point);
    if (child->PtInRect(p) && child->OnCheckMouseResponse(0, p)) {
      return child->OnScroll(bar, down, p);
    }
  }
  if (!rect_.PtInRect(window_point)) return 0;
  if (OnControlScroll(bar, down, point)) return 1;
  std::lock_guard lock(controls_lock_);
  for (size_t i = 0; i < controls_.size(); ++i) {
    MControl* child = controls_[i];
    const CPoint p = ChildPoint(child, window_point, point);
    if (child->PtInRect(p) && child->OnScroll(bar, down, p)) return 1;
  }
  return 0;
}

int MControl::OnKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers) {
  if (!visible_) return 0;
  {
    // The key goes down the chain of focused children first.
    std::lock_guard lock(controls_lock_);
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (controls_[i]->IsFocused()) return controls_[i]->OnKeyDown(virtual_key, repeat, modifiers);
    }
  }
  if (mouse_child_ && mouse_child_->OnKeyDown(virtual_key, repeat, modifiers)) return 1;
  if (OnControlKeyDown(virtual_key, repeat, modifiers)) return 1;
  std::lock_guard lock(controls_lock_);
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] != mouse_child_ && controls_[i]->OnKeyDown(virtual_key, repeat, modifiers)) {
      return 1;
    }
  }
  return 0;
}

int MControl::OnTimer() {
  int repaint = OnControlTimer();
  std::lock_guard lock(controls_lock_);
  ForEach(controls_, [&](MControl* child) {
    if (child->IsRunTimer() && child->IsVisible() && child->OnTimer()) repaint = 1;
  });
  return repaint;
}

}  // namespace LumoUI
