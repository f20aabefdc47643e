#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ui/core/MControlFont.h"

namespace LumoUI {

class ComboWnd;

// A drop-down list: the box shows the chosen item; a click opens the drop-down window
// ("ComboWnd") below the box, or above it near the bottom of the work area. Choosing a row
// selects it and sends code 2 with its index. Items are guarded by the box's own lock.
class MComboBox : public MControlFont {
 public:
  struct Item {
    std::wstring text;
    long data = 0;
    std::wstring icon;
    Color colour;
  };

  MComboBox(MObject* parent, unsigned id, CRect rect, int visible, int enabled);
  ~MComboBox() override;

  const wchar_t* GetClassNameW() override { return L"MComboBox"; }

  int AddItem(const wchar_t* text, long data, const wchar_t* icon = nullptr,
              Color colour = Color(0xFFFFFFFF));
  // Inserts before `at`; -1 appends; other positions outside the list are refused with -1.
  int InsertItem(int at, const wchar_t* text, long data);
  bool SetItemText(int index, const std::wstring& text);
  std::wstring GetItemText(int index) const;
  bool SetItemData(int index, long data);
  long GetItemData(int index) const;
  bool DeleteItem(int index);
  void DelAllItems();
  int GetItemCount() const;
  // Accepts -1 (nothing chosen) to the last index; false for others.
  bool SetCurSel(int index);
  int GetCurSel() const { return selected_; }
  long GetCurData() const;
  int FindData(long data) const;
  // Selects the first item with that data and returns its index; -1 leaves the selection.
  int SelectData(long data);
  bool SetBackImage(const wchar_t* name, int count) { return SetImage(name, count); }
  void SetTextRect(CRect rect) { text_rect_ = rect; }

  // Opens the drop-down window (closing one already open); false when it cannot be shown.
  bool ShowDropDown();
  bool IsDroppedDown() const;
  ComboWnd* GetDropDown() { return popup_.get(); }
  // The drop-down window's choice.
  void OnPopupChoice(int index);

  void DrawControl(platform::Painter& painter, CRect clip) override;
  void SetControlEnabled(int enabled) override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;

 private:
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }
  void SetState(int state);

  mutable std::recursive_mutex items_lock_;
  std::vector<Item> items_;
  int selected_ = -1;
  int state_ = 0;  // normal, hover, pressed, disabled
  CRect text_rect_;
  std::unique_ptr<ComboWnd> popup_;
};

}  // namespace LumoUI
