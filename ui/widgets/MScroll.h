#pragma once

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A scroll bar of a container: a track with a thumb whose length shows the visible part of
// the content. Dragging the thumb, pressing the track or turning the wheel over it moves the
// position and sends code 8 with the new position.
class MScroll : public MControlFont {
 public:
  static constexpr int kThickness = 7;
  static constexpr int kMinThumb = 16;

  MScroll(MObject* parent, unsigned id, CRect rect, int visible, int enabled, bool vertical);

  bool IsVertical() const { return vertical_; }
  // The content length and the visible length; the position is kept within 0..content - page.
  void SetRange(int content, int page);
  int GetContent() const { return content_; }
  int GetPage() const { return page_; }
  int GetMaxPosition() const;
  // Moves the thumb without a notification; returns the position in force.
  int SetPosition(int position);
  int GetPosition() const { return position_; }
  CRect ThumbRect() const;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;
  int OnControlScroll(int bar, unsigned down, CPoint point) override;

 private:
  // Moves to `position` and, when it changed, tells the owning container and the parent.
  void MoveTo(int position);
  int Along(CPoint point) const { return vertical_ ? point.y : point.x; }
  int TrackLength() const;

  bool vertical_;
  int content_ = 0;
  int page_ = 0;
  int position_ = 0;
  bool dragging_ = false;
  bool hovered_ = false;
  int grab_offset_ = 0;
};

}  // namespace LumoUI
