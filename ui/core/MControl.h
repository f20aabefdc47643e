#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "platform/Painter.h"
#include "ui/core/Color.h"
#include "ui/core/MObject.h"

namespace LumoUI {

class PaintManager;

// A windowless control: painted by its window's PaintManager, fed with input by it, and the
// owner of two lists of children: areas (drawn below it) and controls (drawn above it and
// hit-tested). Deleting a control deletes both lists.
class MControl : public MObject {
 public:
  // The two lists a child can live in.
  enum ListKind : int { kAreas = 0, kControls = 1 };

  MControl(MObject* parent, unsigned id, CRect rect, int visible, int enabled, int response);
  ~MControl() override;
  MControl(const MControl&) = delete;
  MControl& operator=(const MControl&) = delete;

  const wchar_t* GetClassNameW() override { return L"FSControl"; }
  // A container passes repaint requests of its children up unchanged.
  long OnControlUpdate(CRect rect, int stale, MControl* control) override;

  virtual void InitControl(PaintManager* manager);
  virtual bool PtInRect(CPoint point);
  virtual void DrawControl(platform::Painter& painter, CRect clip) = 0;
  virtual bool DrawSubControls(platform::Painter& painter, CRect clip);
  virtual bool IsDraw(CPoint point);
  virtual void SetUpdate(int valid, COLORREF colour);
  virtual int SetControlFocus(int focus);
  virtual void InitUI(CRect rect);
  virtual void OnMousePointChange(CPoint& point);
  virtual bool OnCheckMouseResponse(unsigned flags, CPoint point);
  virtual long OnWindowMessage(unsigned message, uint64_t wparam, int64_t lparam);
  virtual long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam);
  virtual void SetControlRect(CRect rect);
  virtual void SetControlVisible(int visible);
  virtual void SetControlWndVisible(int visible);
  virtual void SetControlEnabled(int enabled);
  virtual int OnControlTimer();
  virtual int OnControlMouseMove(unsigned flags, CPoint point);
  virtual int OnControlSetCursor(unsigned flags, CPoint point);
  virtual int OnControlLButtonDown(unsigned flags, CPoint point);
  virtual int OnControlLButtonUp(unsigned flags, CPoint point);
  virtual int OnControlLButtonDblClk(unsigned flags, CPoint point);
  virtual int OnControlScroll(int bar, unsigned down, CPoint point);
  virtual int OnControlRButtonDown(unsigned flags, CPoint point);
  virtual int OnControlRButtonUp(unsigned flags, CPoint point);
  virtual int OnControlRButtonDblClk(unsigned flags, CPoint point);
  virtual int OnControlKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers);
  // A character typed while this control is the window's focus control (windowless edits).
  virtual int OnControlChar(wchar_t character);
  virtual void OnPositionChange();
  // Asks the window to repaint `rect` (null: this control's rect).
  virtual void InvalidateRect(const CRect* rect, int erase);

  unsigned GetControlID() const { return id_; }
  CRect GetRect() const { return rect_; }
  int IsVisible() const { return visible_; }
  int IsEnabled() const { return enabled_; }
  int IsRunTimer() const { return runs_timer_; }
  int IsFocused() const { return focused_; }
  int GetDblClk() const { return takes_double_clicks_; }
  int GetRresponse() const { return response_; }
  int IsDragDrop() const { return drag_source_; }
  int IsTabStop() const { return tab_stop_; }
  int GetUpdate() const { return cache_valid_; }
  int IsAnimating() const { return animating_; }
  const std::wstring& GetTooltip() const { return tooltip_; }
  PaintManager* GetManager() const { return manager_; }
  MObject* GetParantObject() const { return parent_; }
  std::vector<MControl*>& GetControls() { return controls_; }
  std::vector<MControl*>& GetAreas() { return areas_; }

  void SetParent(MObject* parent) { parent_ = parent; }
  void SetDragDrop(int on) { drag_source_ = on; }
  void SetRresponse(int on) { response_ = on; }
  void SetTabStop(int on) { tab_stop_ = on; }
  // Turning the timer on wakes the window's animation timer if it was resting.
  void SetRunTimer(int on);
  void SetTooltip(const wchar_t* text) { tooltip_ = text ? text : L""; }
  // Attaches the control (and any children not yet attached) and calls InitControl.
  void SetManager(PaintManager* manager);

  void SetRect(CRect rect);
  void SetRect(int x, int y, int width, int height) { SetRect(CRect(x, y, x + width, y + height)); }
  void SetVisible(int show) { SetVisible(show, 1); }
  void SetVisible(int show, int redraw);
  void SetEnabled(int enable);
  bool IsParentVisible() const;
  void UpdateControl(int stale, int force);
  void UpdateControl(CRect rect, int force, int stale);
  void UpdateAControl(int steady, int force);
  // Tells the owner that something happened here; returns the owner's answer.
  long SendMessageW(unsigned code, unsigned wparam, long lparam);
  void SetTooltip(const std::wstring& text, CRect at);
  void ClearTooltip();
  void AddMTimer();
  MControl* GetControl(unsigned id);
  bool IsFocusControl() const;

  // Takes ownership of `child` and appends it to a list; it gets this control's manager.
  MControl* AddChild(ListKind list, MControl* child);
  // The container factory: makes a child by creation name; null when the name is unknown.
  MControl* CreateChild(ListKind list, const wchar_t* class_name, unsigned id, CRect rect,
                        const wchar_t* title, int visible, int enabled, MObject* parent);
  void RemoveControl(MControl* child);
  void RemoveAllControl();

  // The control's cached drawing of the given size, marked current (recreated on a new size).
  platform::Image& UpdateMemDC(int cx, int cy);
  platform::Image& UpdateAnimateDC(int cx, int cy);

  // Entry points through which the manager or a parent drives the control.
  void Draw(platform::Painter& painter, CRect clip);
  int OnMouseMove(unsigned flags, CPoint point);
  int OnLButtonDown(unsigned flags, CPoint point) { return OnButtonDown(false, flags, point); }
  int OnLButtonUp(unsigned flags, CPoint point) { return OnButtonUp(false, flags, point); }
  int OnLButtonDblClk(unsigned flags, CPoint point) { return OnDoubleClick(false, flags, point); }
  int OnRButtonDown(unsigned flags, CPoint point) { return OnButtonDown(true, flags, point); }
  int OnRButtonUp(unsigned flags, CPoint point) { return OnButtonUp(true, flags, point); }
  int OnRButtonDblClk(unsigned flags, CPoint point) { return OnDoubleClick(true, flags, point); }
  int OnScroll(int bar, unsigned down, CPoint point);
  int OnKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers);
  int OnKeyUp(unsigned, unsigned, unsigned) { return 0; }
  int OnTimer();

 protected:
  void SetDblClk(int on) { takes_double_clicks_ = on; }
  void SetFocusedFlag(int on) { focused_ = on; }
  // The mouse child and the point a child sees: scroll bars (ids 1 and 2) get the window point.
  MControl* GetMouseChild() const { return mouse_child_; }
  static CPoint ChildPoint(const MControl* child, CPoint window_point, CPoint content_point);
  // Moves one of this control's children to the end of the controls list (drawn and hit last).
  void MoveControlToEnd(MControl* child);
  // Held around walks of GetControls() made outside this class.
  std::recursive_mutex& ControlsLock() const { return controls_lock_; }

 private:
  int OnButtonDown(bool right, unsigned flags, CPoint point);
  int OnButtonUp(bool right, unsigned flags, CPoint point);
  int OnDoubleClick(bool right, unsigned flags, CPoint point);
  void TakeFocus();

  MObject* parent_;
  PaintManager* manager_ = nullptr;
  unsigned id_;
  CRect rect_;
  int visible_;
  int enabled_;
  int drag_source_ = 0;
  int response_;
  int tab_stop_ = 0;
  int takes_double_clicks_ = 0;
  int pressed_inside_ = 0;
  int focused_ = 0;
  int cache_valid_ = 0;
  int animating_ = 0;
  int runs_timer_ = 0;
  std::vector<MControl*> areas_;
  std::vector<MControl*> controls_;
  // Recursive: a child may call back into its parent (a repaint request) during a walk.
  mutable std::recursive_mutex areas_lock_;
  mutable std::recursive_mutex controls_lock_;
  MControl* mouse_child_ = nullptr;
  platform::Image cache_;
  platform::Image animation_;
  std::wstring tooltip_;
};

}  // namespace LumoUI
