#include "ui/widgets/DListBox.h"

#include "platform/WindowMessages.h"
#include "ui/core/MRender.h"
#include "ui/core/Manager.h"
#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"
#include "ui/widgets/CEditWindow.h"

namespace LumoUI {

DListBox::DListBox(MObject* parent, unsigned id, CRect rect, int visible)
    : MListBox(parent, id, rect, visible) {
  text_left_ = kIconColumn;
  SetImageCount(2);
}

DListBox::~DListBox() {
  if (editor_ && edit_row_ >= 0) editor_->Close();
}

bool DListBox::SetEditImage(const wchar_t* name, int) {
  if (!name || !GetManager()) return false;
  // Whatever count is given, the edit frame is frame 1 of the image divided into 4.
  auto image = GetManager()->AddImgResInfo(name, 4);
  if (!image) return false;
  edit_image_ = std::move(image);
  return true;
}

void DListBox::SetInPlaceEditor(std::unique_ptr<InPlaceEditor> editor) {
  if (editor_ && edit_row_ >= 0) editor_->Close();
  edit_row_ = -1;
  editor_ = std::move(editor);
}

CRect DListBox::EditRectFor(int index) const {
  const CRect row = GetItemRect(index);
  if (row.IsRectEmpty()) return {};
  int height = font_size + 6;
  int raise = 0;
  if (font_size == 8) height = font_size + 4;
  if (font_size == 14) raise = 1;
  if (font_size == 16) {
    height = font_size + 8;
    raise = 1;
  }
  const int top = row.top + (row.Height() - height) / 2 - raise;
  return ToWindow({row.left + kIconColumn, top, row.right - 10, top + height});
}

bool DListBox::ShowEdit() {
  const int row = GetCurSel();
  // The platform's text field serves unless another editor was set.
  if (!editor_ && GetManager())
    editor_ = std::make_unique<CEditWindow>(GetManager(), [this] { CommitEdit(); });
  if (!show_edit || !IsEnabled() || row < 0 || !editor_) return false;
  if (edit_row_ >= 0 && edit_row_ != row) CommitEdit();
  edit_row_ = row;
  InPlaceEditor::Look look;
  look.back = kEditBack;
  look.text = GetTextColor();
  look.font_size = font_size;
  look.font_style = font_style;
  look.limit = kRenameLimit;
  editor_->Open(EditRectFor(row), GetItemText(row), look);
  UpdateControl(0, 0);
  return true;
}

void DListBox::CommitEdit() {
  if (edit_row_ < 0) return;
  const int row = edit_row_;
  edit_row_ = -1;
  const std::wstring text = editor_ ? editor_->GetText() : GetItemText(row);
  // The row may have gone while the field was open; then there is nothing to rename.
  if (row < GetItemCount() && text != GetItemText(row)) {
    ModifyItemString(row, text.c_str());
    SendMessageW(NOTIFY_EDIT_CLOSED, 0, row);
  }
  if (editor_) editor_->Close();
  UpdateControl(0, 0);
}

int DListBox::SetControlFocus(int focus) {
  if (!focus) CommitEdit();
  return MListBox::SetControlFocus(focus);
}

int DListBox::OnControlLButtonDown(unsigned flags, CPoint point) {
  const int index = ItemAt(point);
  if (edit_row_ >= 0 && index >= 0 && index != edit_row_) CommitEdit();
  return MListBox::OnControlLButtonDown(flags, point);
}

int DListBox::OnControlKeyDown(unsigned virtual_key, unsigned, unsigned) {
  if (virtual_key != platform::VK_RETURN || edit_row_ < 0) return 0;
  CommitEdit();
  return 1;
}

void DListBox::DrawRow(platform::Painter& painter, int index, const Row& row, const CRect& rect) {
  const uint32_t select = Manager::GetSelectColor().argb;
  const CRect fill(rect.left + 1, rect.top, rect.right, rect.bottom);
  if (index == hover_ || index == selected_) painter.FillRect(fill.ToPlatform(), select);

  if (const auto& icon = GetImageInfo()) {
    const int frame = index == selected_ && icon->count > 1 ? 1 : 0;
    const int left = rect.left + (kIconColumn - icon->frame_width) / 2;
    const int top = rect.top + (rect.Height() - icon->height) / 2;
    painter.DrawImage(*icon->image,
                      {frame * icon->frame_width, 0, (frame + 1) * icon->frame_width, icon->height},
                      {left, top, left + icon->frame_width, top + icon->height});
  }
  if (index == edit_row_) {
    // The field shows the text; the list draws its frame around it.
    if (edit_image_) {
      const CRect frame(rect.left + 47, rect.top, rect.right - 6, rect.bottom);
      MRender::DrawImageFrame(painter, *edit_image_->image, frame, edit_image_->frame_width, 0,
                              edit_image_->frame_width, edit_image_->height, 6);
    }
    return;
  }
  painter.DrawText(row.text, GetDrawFont(),
                   {rect.left + kIconColumn, rect.top, rect.right, rect.bottom},
                   platform::TextAlign::Near, platform::TextAlign::Center, GetTextColor().argb);
}

}  // namespace LumoUI
