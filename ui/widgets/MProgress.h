#pragma once

#include "ui/core/MControlFont.h"

namespace LumoUI {

// A progress bar: frame 0 of its image is the empty bar, frame 1 the full one, shown up to the
// progress; without an image it draws two plain bars. The title, when set, is centred on top.
class MProgress : public MControlFont {
 public:
  MProgress(MObject* parent, unsigned id, CRect rect, int visible, int enabled);

  // Clamped to 0..max; returns the value in force.
  int SetProgress(int value);
  int GetProgress() const { return value_; }
  void SetMaxProgress(int max);
  int GetMaxProgress() const { return max_; }
  // The x where the filled part ends.
  int FilledRight() const;

  void DrawControl(platform::Painter& painter, CRect clip) override;

 private:
  int value_ = 0;
  int max_ = 100;
};

}  // namespace LumoUI
