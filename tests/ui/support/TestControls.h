#pragma once

#include <string>
#include <vector>

#include "ui/core/MControl.h"
#include "ui/core/MControlFont.h"

namespace uitest {

using LumoUI::CPoint;
using LumoUI::CRect;

// A notification as it reached a window or container.
struct Notice {
  unsigned id;
  unsigned code;
  unsigned wparam;
  long lparam;
  bool operator==(const Notice&) const = default;
};

// A push-button-like control filled with one colour: code 1 on a press, code 2 on a release
// inside after a press. It records what reached it.
class Box : public LumoUI::MControl {
 public:
  Box(LumoUI::MObject* parent, unsigned id, CRect rect, uint32_t argb, int response = 1)
      : MControl(parent, id, rect, 1, 1, response), argb_(argb) {}

  void DrawControl(platform::Painter& painter, CRect) override {
    painter.FillRect(GetRect().ToPlatform(), hovered ? hover_argb : argb_);
    ++draws;
  }
  int OnControlMouseMove(unsigned, CPoint point) override {
    const bool inside = GetRect().PtInRect(point);
    if (inside != hovered) {
      hovered = inside;
      UpdateControl(0, 0);
    }
    return inside;
  }
  int OnControlLButtonDown(unsigned, CPoint) override {
    pressed = true;
    SendMessageW(1, 0, 0);
    return 1;
  }
  int OnControlLButtonUp(unsigned, CPoint point) override {
    const bool was_pressed = pressed;
    pressed = false;
    ups.push_back(point);
    if (was_pressed && GetRect().PtInRect(point)) SendMessageW(2, 0, 0);
    return 1;
  }
  int OnControlRButtonUp(unsigned, CPoint) override {
    SendMessageW(5, 0, 0);
    return 1;
  }
  int OnControlScroll(int, unsigned down, CPoint) override {
    if (!takes_wheel) return 0;
    scrolls.push_back(down);
    return 1;
  }
  int OnControlKeyDown(unsigned vk, unsigned, unsigned modifiers) override {
    keys.push_back({vk, modifiers});
    return takes_keys;
  }
  int SetControlFocus(int focus) override {
    SetFocusedFlag(focus);
    focus_changes.push_back(focus);
    return 0;
  }
  int OnControlTimer() override {
    ++ticks;
    return 0;
  }

  uint32_t hover_argb = 0xFFFFFFFF;
  uint32_t argb_;
  bool hovered = false;
  bool pressed = false;
  bool takes_wheel = false;
  bool takes_keys = false;
  int draws = 0;
  int ticks = 0;
  std::vector<CPoint> ups;
  std::vector<unsigned> scrolls;
  std::vector<std::pair<unsigned, unsigned>> keys;
  std::vector<int> focus_changes;
};

// A container: draws its back colour, takes double clicks, and passes its children's
// notifications on to its own parent after recording them.
class Panel : public LumoUI::MControl {
 public:
  Panel(LumoUI::MObject* parent, unsigned id, CRect rect, uint32_t argb)
      : MControl(parent, id, rect, 1, 1, 1), argb_(argb) {
    SetDblClk(1);
  }
  void DrawControl(platform::Painter& painter, CRect) override {
    painter.FillRect(GetRect().ToPlatform(), argb_);
  }
  long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override {
    return OnMessage(id, code, wparam, lparam);
  }
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override {
    notices.push_back({id, code, wparam, lparam});
    return GetParantObject() ? GetParantObject()->OnBaseMessage(id, code, wparam, lparam) : 0;
  }
  int OnControlLButtonDblClk(unsigned, CPoint) override {
    ++double_clicks;
    return 1;
  }
  int OnControlScroll(int, unsigned, CPoint) override { return 0; }

  std::vector<Notice> notices;
  int double_clicks = 0;

 private:
  uint32_t argb_;
};

}  // namespace uitest
