#pragma once

#include <memory>
#include <string>

#include "ui/widgets/InPlaceEditor.h"
#include "ui/widgets/MListBox.h"

namespace LumoUI {

// The list whose row texts can be renamed in place (the profile list). Rows have a 50-pixel
// icon column (frame 1 of the icon strip marks the selected row) and their text from x = 50;
// hover and selection are filled with the selection colour. ShowEdit opens the rename field
// over the selected row; the rename commits when the list loses the focus, on Enter or when
// another row is pressed, sending code 29 with the row when the text changed.
class DListBox : public MListBox {
 public:
  static constexpr int kIconColumn = 50;
  static constexpr int kRenameLimit = 10;
  static constexpr COLORREF kEditBack = RGB(6, 24, 53);

  DListBox(MObject* parent, unsigned id, CRect rect, int visible);
  ~DListBox() override;

  // The frame drawn around the row being edited: frame 1 of an image of 4 frames.
  bool SetEditImage(const wchar_t* name, int count);
  void EnableShowEdit(int on) { show_edit = on; }
  // Opens the rename field over the selected row; false when renaming is off, the list is
  // disabled, no row is selected or there is no field to open.
  bool ShowEdit();
  // Ends a rename: a changed text (an empty one too) becomes the row's text and code 29 is sent
  // with the row; then the field is hidden. Nothing happens when no rename is open.
  void CommitEdit();
  bool IsEditing() const { return edit_row_ >= 0; }
  int GetEditRow() const { return edit_row_; }
  // Where the rename field goes for a row, in window coordinates.
  CRect EditRectFor(int index) const;
  // The rename field; the list keeps it for its lifetime.
  void SetInPlaceEditor(std::unique_ptr<InPlaceEditor> editor);
  InPlaceEditor* GetInPlaceEditor() const { return editor_.get(); }

  int SetControlFocus(int focus) override;
  int OnControlLButtonDown(unsigned flags, CPoint point) override;
  int OnControlKeyDown(unsigned virtual_key, unsigned repeat, unsigned modifiers) override;

  // Whether ShowEdit may open the rename field; the program sets it directly.
  int show_edit = 0;

 protected:
  void DrawRow(platform::Painter& painter, int index, const Row& row, const CRect& rect) override;
  // The list's image is its row icon strip, never a background.
  void DrawBackImage(platform::Painter&) override {}

 private:
  std::shared_ptr<const ImgResInfo> edit_image_;
  std::unique_ptr<InPlaceEditor> editor_;
  int edit_row_ = -1;
};

}  // namespace LumoUI
