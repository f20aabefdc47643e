#pragma once

#include "ui/core/MControlFont.h"

namespace LumoUI {

class MScroll;

// A container: owns a vertical (id 1) and a horizontal (id 2) scroll bar, each 7 pixels thick,
// shown only when the content does not fit. Children are placed in content coordinates (the
// panel's own coordinates while unscrolled) and drawn shifted by the scroll position and
// clipped to the panel; the scroll bars stay in window coordinates. Notifications of children
// pass through OnMessage to the panel's own parent unchanged.
class MPanel : public MControlFont {
 public:
  static constexpr unsigned kVerticalBarId = 1;
  static constexpr unsigned kHorizontalBarId = 2;
  // Content units a wheel notch scrolls.
  static constexpr int kWheelStep = 10;

  MPanel(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  // The container factory: the panel is the new control's parent.
  virtual MControl* CreateControl(const wchar_t* class_name, unsigned id, CRect rect,
                                  const wchar_t* title, int visible, int enabled);
  virtual MControl* CreateArea(const wchar_t* class_name, unsigned id, CRect rect,
                               const wchar_t* title, int visible, int enabled);
  // With an explicit list (0 areas, 1 controls; anything else builds the control and keeps it
  // nowhere, so it is deleted again and null returned) and parent.
  virtual MControl* CreateControl(int list, const wchar_t* class_name, unsigned id, CRect rect,
                                  const wchar_t* title, int visible, int enabled, MObject* parent);
  // Takes ownership of a control made elsewhere.
  MControl* AddControl(MControl* control);

  MScroll* GetVerticalBar() const { return vertical_; }
  MScroll* GetHorizontalBar() const { return horizontal_; }
  CPoint GetScrollPos() const;
  void SetScrollPos(CPoint position);
  // The part of the panel the content shows through (less the visible scroll bars).
  CRect GetViewRect() const;
  // Recomputes the content size and lays out the scroll bars.
  void UpdateScrollBars();
  // The size of the content from the panel's top-left corner; by default the extent of the
  // children. Lists answer with their rows.
  virtual CSize GetContentSize();
  // A scroll bar of this panel moved.
  virtual void OnScrollBarMoved(MScroll* bar);

  long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
  long OnControlUpdate(CRect rect, int stale, MControl* control) override;
  void OnMousePointChange(CPoint& point) override;
  void SetControlRect(CRect rect) override;
  void DrawControl(platform::Painter& painter, CRect clip) override;
  bool DrawSubControls(platform::Painter& painter, CRect clip) override;
  int OnControlScroll(int bar, unsigned down, CPoint point) override;

 protected:
  // Draws the panel's image under everything else: frame 0 over the whole panel.
  virtual void DrawBackImage(platform::Painter& painter);
  // Draws the panel's own content below its children, already shifted into content coordinates.
  virtual void DrawContent(platform::Painter&, CRect /*content_clip*/) {}
  bool IsScrollBar(const MControl* control) const;
  // A content rectangle in window coordinates.
  CRect ToWindow(CRect content) const;

 private:
  MScroll* vertical_;
  MScroll* horizontal_;
};

}  // namespace LumoUI
