#pragma once

#include "platform/Painter.h"
#include "ui/core/Geometry.h"

namespace LumoUI {

class MControlFont;

// The text caret of windowless edits: a blinking bar drawn by the paint manager in the text
// colour of the edit that owns it.
class Caret {
 public:
  void Create(int width, int height) {
    width_ = width;
    height_ = height;
  }
  // Moves the caret for `owner`; returns the rectangle it left.
  CRect Move(MControlFont* owner, int x, int y);
  void SetShown(bool shown) {
    shown_ = shown;
    phase_ = shown;
  }
  bool IsShown() const { return shown_; }
  void Toggle() { phase_ = !phase_; }
  bool Phase() const { return phase_; }
  CRect Rect() const { return {x_, y_, x_ + width_, y_ + height_}; }
  MControlFont* Owner() const { return owner_; }
  void Forget() { owner_ = nullptr; }
  // Draws the bar when it is in its visible phase and `focused`.
  void Draw(platform::Painter& painter, bool focused) const;

 private:
  int x_ = 0;
  int y_ = 0;
  int width_ = 1;
  int height_ = 0;
  bool shown_ = false;
  bool phase_ = false;
  MControlFont* owner_ = nullptr;
};

}  // namespace LumoUI
