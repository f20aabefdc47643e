#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "ui/core/MControlFont.h"
#include "ui/widgets/TabItemInfo.h"

namespace LumoUI {

// A strip of tabs, each an icon strip and a text, that shows one page at a time. Tabs are
// stacked from the top padding (vertical strip, the default) or the left padding. Four copies
// of the strip are drawn, copy k with icon frame k; the strip shows copy 0, the hovered tab
// from copy 1 and the selected tab from copy 2.
class MTabCtrl : public MControlFont {
 public:
  static constexpr unsigned kAnimationKey = 1;
  static constexpr unsigned kAnimationMs = 30;
  static constexpr int kAnimationSteps = 5;
  static constexpr uint32_t kTextColor = 0xFFFFFFFF;
  static constexpr uint32_t kActiveTextColor = 0xFF11A9FD;
  static constexpr int kTextSize = 13;
  static constexpr int kTextBoxHeight = 36;
  static constexpr int kCopies = 4;

  MTabCtrl(MObject* parent, unsigned id, CRect rect, int visible, int enabled);
  ~MTabCtrl() override;

  // Appends a visible tab whose icon comes from the skin folder (frame width = image width /
  // frame_count, -1 meaning 3); its width is `width`, else the icon frame width, else the
  // strip's item width. Returns the new index.
  int InsertItem(unsigned id, const wchar_t* text, const wchar_t* icon, MControl* page,
                 int frame_count = -1, int width = 0);
  bool DeleteItem(int index);
  int GetItemCount() const { return static_cast<int>(items_.size()); }
  TabItemInfo* GetItemInfo(int index);
  unsigned GetItemID(int index) const;
  bool SetItemText(int index, const wchar_t* text);
  bool SetItemVisible(int index, int visible);
  int GetItemVisible(int index) const;
  void SetTabTooltip(int index, const std::wstring& text);

  void SetVertical(int vertical);
  int IsVertical() const { return vertical_; }
  void SetTabCtrlWidth(int width);
  void SetTabCtrlHeight(int height);
  void SetLeftRightPading(int left, int right);
  void SetTopBottomPading(int top, int bottom);
  // The tab size is `preferred`; with a minimum above 0 it shrinks to the room per tab when
  // that is smaller, never below the minimum. `refresh` lays the tabs out again.
  void SetItemWidth(int preferred, int minimum, int refresh);
  void SetItemHeight(int preferred, int minimum, int refresh);
  int GetItemWidth() const { return item_width_; }
  int GetItemHeight() const { return item_height_; }
  void RelayoutTabs();

  // Ignored (returning the current index) when unchanged or out of range; otherwise selects the
  // tab, sends code 2 with its index, shows its page and hides the others, and returns the
  // index selected before.
  int SetSelectItem(int index);
  int GetSelectItem() const { return selected_; }
  int GetHoverItem() const { return hover_; }
  void EnableAnimateChangeTab(int on) { animate_ = on; }
  // The visible tab under a point; -1 when none.
  int ItemAt(CPoint point) const;

  void DrawControl(platform::Painter& painter, CRect clip) override;
  void SetControlRect(CRect rect) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;
  int OnControlTimer() override;
  long OnBaseMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;

 private:
  void Changed();
  void DrawCopies();
  void DrawTabFromCopy(platform::Painter& painter, int index, int copy, uint8_t alpha);
  int StripLength() const;
  int StripBreadth() const;
  // The room per tab along the strip when stacking `along` is true, else across it.
  int RoomPerTab(bool along) const;
  int ComputeSize(int preferred, int minimum, bool along) const;
  void StopAnimation();

  std::vector<std::unique_ptr<TabItemInfo>> items_;
  int selected_ = -1;
  int previous_ = -1;
  int hover_ = -1;
  int vertical_ = 1;
  int strip_width_ = 0;  // 0: the control's width
  int strip_height_ = 0;
  int pad_left_ = 0, pad_right_ = 0, pad_top_ = 0, pad_bottom_ = 0;
  int item_width_ = 80;
  int item_height_ = 80;
  int animate_ = 0;
  int animation_step_ = kAnimationSteps;
  platform::Image copies_;
  bool copies_valid_ = false;
};

}  // namespace LumoUI
