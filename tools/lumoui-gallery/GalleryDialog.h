#pragma once

#include "ui/core/MDialog.h"

// The gallery's window: a skinned background, text in English and Chinese, and one button per
// way of closing a dialog. The modal result tells which button closed it.
class GalleryDialog : public LumoUI::MDialog {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 480;
  enum ControlId : unsigned { kTitle = 1, kEnglish, kChinese, kOk = 10, kCancel, kYes, kNo };
  // Where the buttons sit (client coordinates), for whoever drives the gallery from outside.
  static LumoUI::CRect ButtonRect(unsigned id) {
    const int left = 40 + static_cast<int>(id - kOk) * 150;
    return {left, 380, left + 130, 420};
  }

  void InitUI(LumoUI::CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
};
