#pragma once

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A row of level blocks; a click on block i chooses level i + 1 and sends code 2 with it.
// Its image has two frames: an unlit and a lit block.
class MLevelCtrl : public MControlFont {
 public:
  MLevelCtrl(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  void SetLevelCount(int count);
  int GetLevelCount() const { return count_; }
  // Clamped to 0..count; returns the level in force.
  int SetLevel(int level);
  int GetLevel() const { return level_; }
  // The level a click at x chooses; 0 outside the blocks.
  int LevelAt(CPoint point) const;
  CRect BlockRect(int index) const;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;

 private:
  static constexpr int kGap = 4;
  int count_ = 5;
  int level_ = 0;
  int hover_ = 0;
};

}  // namespace LumoUI
