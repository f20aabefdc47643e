#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "ui/widgets/MPanel.h"

namespace LumoUI {

// An owner-drawn list of text rows with data values. The hover row follows the mouse; a press
// on a row selects it and sends code 1 with its index, the release code 2, a double click code
// 3 and a right release code 5 (each with the row). Rows scroll with the wheel when they do not
// fit. Rows are guarded by the list's own lock.
class MListBox : public MPanel {
 public:
  static constexpr int kDefaultRowHeight = 32;

  struct Row {
    std::wstring text;
    long data = 0;
    int kind = 1;
  };

  MListBox(MObject* parent, unsigned id, CRect rect, int visible);

  int AddItem(const wchar_t* text, long data);
  int AddString(const wchar_t* text, long data, int kind);
  // Inserts before `at`; -1 appends; any other position outside the list is refused with -1.
  int InsertString(int at, const wchar_t* text, int kind, long data);
  bool DeleteItem(int index);
  void DeleteAllItems();
  int GetItemCount() const;
  std::wstring GetItemText(int index) const;
  long GetItemData(int index) const;
  bool SetItemData(int index, long data);
  int GetItemKind(int index) const;
  // Changes the text only; the caller repaints.
  bool ModifyItemString(int index, const wchar_t* text);
  int FindString(const wchar_t* text) const;
  int FindItemData(long data) const;
  int GetCurSel() const { return selected_; }
  // Accepts -1 (no selection) to the last index; repaints when it changes. Returns whether the
  // index was accepted.
  bool SetCurSel(int index);
  long GetCurData() const;
  // Selects the first row with that data and returns its index; -1 leaves the selection.
  int SetCurData(long data);
  void SetItemHeight(int height);
  int GetItemHeight() const { return row_height_; }
  bool SwapItem(int first, int second);
  // The row's rectangle in content coordinates; empty outside the list.
  CRect GetItemRect(int index) const;
  int GetHoverItem() const { return hover_; }
  // The row at a content point; -1 when none.
  int ItemAt(CPoint point) const;

  CSize GetContentSize() override;
  int OnControlMouseMove(unsigned flags, CPoint point) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlLButtonUp(unsigned flags, CPoint point) override;
  int OnControlLButtonDblClk(unsigned flags, CPoint point) override;
  int OnControlRButtonUp(unsigned flags, CPoint point) override;

 protected:
  void DrawContent(platform::Painter& painter, CRect content_clip) override;
  virtual void DrawRow(platform::Painter& painter, int index, const Row& row, const CRect& rect);
  // Rows changed in number or height.
  void RowsChanged();
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(rows_.size()); }

  mutable std::recursive_mutex rows_lock_;
  std::vector<Row> rows_;
  int selected_ = -1;
  int hover_ = -1;
  int row_height_ = kDefaultRowHeight;
  int text_left_ = 10;
};

}  // namespace LumoUI
