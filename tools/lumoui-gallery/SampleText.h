#pragma once

#include <string>

#include "ui/core/MControl.h"

// A line of text in the process font, for the gallery until the widget set lands.
class SampleText : public LumoUI::MControl {
 public:
  SampleText(LumoUI::MObject* parent, unsigned id, LumoUI::CRect rect, std::wstring text,
             int pixel_size, uint32_t argb);
  void DrawControl(platform::Painter& painter, LumoUI::CRect clip) override;

 private:
  std::wstring text_;
  int pixel_size_;
  uint32_t argb_;
};
