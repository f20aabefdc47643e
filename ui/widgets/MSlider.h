#pragma once

#include <memory>

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A horizontal slider over min..max. Dragging maps x to
// min + (x - left) * (max - min + 1) / width, clamped, and sends code 8 with the value on every
// change; the release and each wheel notch send code 2 with the value. Its image is the track
// (frame 0 empty, frame 1 filled when it has two); the thumb has an image of its own.
class MSlider : public MControlFont {
 public:
  MSlider(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  // Clamps to the range, ignores negative values; returns the value in force.
  int SetProgress(int value);
  int GetProgress() const { return value_; }
  void SetMinProgress(int min);
  void SetMaxProgress(int max);
  int GetMinProgress() const { return min_; }
  int GetMaxProgress() const { return max_; }
  bool SetThumbImage(const wchar_t* name);
  // The value a press or drag at x chooses.
  int ValueAt(int x) const;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;
  int OnControlScroll(int bar, unsigned down, CPoint point) override;

 private:
  void DragTo(int x);
  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  bool dragging_ = false;
  std::shared_ptr<const ImgResInfo> thumb_;
};

}  // namespace LumoUI
