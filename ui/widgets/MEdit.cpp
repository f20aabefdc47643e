#include "ui/widgets/MEdit.h"

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/MRender.h"
#include "ui/core/Notifications.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr int kFrameBorder = 6;

}  // namespace

MEdit::MEdit(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
             int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1),
      state_(enabled ? StateNormal : StateDisabled) {
  SetTabStop(1);
}

MEdit::~MEdit() = default;

bool MEdit::SetIconImage(const wchar_t* name, int count) {
  if (!name || !GetManager()) return false;
  auto icon = GetManager()->AddImgResInfo(name, count);
  if (!icon) return false;
  icon_ = std::move(icon);
  UpdateControl(1, 0);
  return true;
}

CRect MEdit::GetIconRect() const {
  if (!icon_) return {};
  const CRect rect = GetRect();
  const int top = rect.top + (rect.Height() - icon_->height) / 2;
  return {rect.right - 9 - icon_->frame_width, top, rect.right - 9, top + icon_->height};
}

CRect MEdit::GetTextRect() const {
  if (!text_rect_.IsRectEmpty()) return text_rect_;
  const CRect rect = GetRect();
  CRect area;
  if (multi_line) {
    area = {rect.left + 6, rect.top + 5, rect.right - 6, rect.bottom - 5};
  } else {
    const int band = font_size == 10 ? 14 : font_size == 12 ? 18 : font_size;
    const int top = rect.top + (rect.Height() - band) / 2;
    area = {rect.left + 8, top, rect.right - 8, top + band};
  }
  if (icon_) area.right -= icon_->frame_width + 6;
  return area;
}

std::wstring MEdit::GetEditText() {
  return IsEditOpen() ? field_->Text() : GetTitle();
}

platform::TextFieldOptions MEdit::FieldOptions() const {
  platform::TextFieldOptions options;
  options.font = GetDrawFont();
  options.text_argb = GetTextColor().argb;
  options.back_argb =
      edit_back == kSystemColours ? kWhite : ArgbFromColorRef(static_cast<COLORREF>(edit_back));
  if (edit_back == kSystemColours) options.text_argb = 0xFF000000;
  options.align = horizontal_alignment_ == AlignCenter  ? platform::TextAlign::Center
                  : horizontal_alignment_ == AlignRight ? platform::TextAlign::Far
                                                        : platform::TextAlign::Near;
  options.limit = limit_text;
  options.digits_only = digits_only != 0;
  options.password = password != 0;
  options.password_char = password_char;
  options.read_only = read_only != 0;
  options.accept_chars = char_message != 0;
  return options;
}

bool MEdit::OpenEdit() {
  PaintManager* manager = GetManager();
  if (read_only || !IsEnabled() || !manager || !manager->GetPaintWnd()) return false;
  if (!field_)
    field_ = std::make_unique<platform::TextField>(manager->GetPaintWnd(),
                                                   static_cast<platform::TextFieldListener*>(this));
  field_->SetOptions(FieldOptions());
  const CRect area = GetTextRect();
  platform::Windows& windows = platform::Get<platform::Windows>();
  const platform::Point origin =
      windows.ClientToScreen(manager->GetPaintWnd(), {area.left, area.top});
  const platform::Rect screen{origin.x, origin.y, origin.x + area.Width(),
                              origin.y + area.Height()};
  return field_->Open(screen, GetTitle());
}

void MEdit::CloseEdit() {
  if (!IsEditOpen()) return;
  const std::wstring text = field_->Text();
  if (text != GetTitle()) {
    SetControlTitle(text.c_str());
    UpdateControl(0, 0);
  }
  field_->Close();
  SendMessageW(NOTIFY_EDIT_CLOSED, 0, 0);
}

void MEdit::OnTextFieldChanged() {
  SetControlTitle(field_->Text().c_str());
  SendMessageW(NOTIFY_TEXT_CHANGED, 0, 0);
  UpdateControl(0, 0);
}

void MEdit::OnTextFieldFocusLost() {
  // The typing went elsewhere: the text is already copied, so the field only goes away.
  field_->Close();
  if (state_ == StateEditing) SetState(StateNormal);
  SendMessageW(NOTIFY_EDIT_CLOSED, 0, 0);
}

void MEdit::SetState(int state) {
  if (state == state_) return;
  state_ = state;
  UpdateControl(0, 0);
}

int MEdit::SetControlFocus(int focus) {
  SetFocusedFlag(focus);
  if (!focus) {
    CloseEdit();
    if (IsEnabled()) SetState(StateNormal);
  }
  return MControlFont::SetControlFocus(focus);
}

void MEdit::SetControlEnabled(int enabled) {
  MControlFont::SetControlEnabled(enabled);
  if (!enabled) CloseEdit();
  state_ = enabled ? StateNormal : StateDisabled;
}

int MEdit::OnControlMouseMove(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  const bool inside = GetRect().PtInRect(point);
  if (icon_ && icon_state_ != 2) {
    const int icon_state = GetIconRect().PtInRect(point) ? 1 : 0;
    if (icon_state != icon_state_) {
      icon_state_ = icon_state;
      UpdateControl(0, 0);
    }
  }
  if (state_ != StateEditing) SetState(inside ? StateHover : StateNormal);
  return 0;
}

int MEdit::OnControlLButtonDown(unsigned, CPoint point) {
  if (!IsEnabled() || !GetRect().PtInRect(point)) return 0;
  if (icon_ && GetIconRect().PtInRect(point)) {
    icon_state_ = 2;
    CloseEdit();
    UpdateControl(0, 0);
    SendMessageW(NOTIFY_INNER_PRESSED, 0, 0);
    return 1;
  }
  SetState(StateEditing);
  OpenEdit();
  if (GetManager()) GetManager()->SetFocusControl(this);
  SendMessageW(NOTIFY_EDIT_OPENED, 0, 0);
  SendMessageW(NOTIFY_PRESSED, 0, 0);
  return 1;
}

int MEdit::OnControlLButtonUp(unsigned, CPoint point) {
  if (!IsEnabled()) return 0;
  if (!GetRect().PtInRect(point)) {
    if (!IsEditOpen()) SetState(StateNormal);
    return 0;
  }
  if (icon_ && icon_state_ == 2) {
    icon_state_ = GetIconRect().PtInRect(point) ? 1 : 0;
    UpdateControl(0, 0);
    if (icon_state_ == 1) {
      CloseEdit();
      SendMessageW(NOTIFY_EDIT_ICON_RELEASED, 0, 0);
    }
    return 1;
  }
  const bool was_pressed = state_ == StateEditing;
  // While the field is open the edit keeps its editing look.
  if (!IsEditOpen()) SetState(StateHover);
  if (was_pressed) SendMessageW(NOTIFY_CLICKED, 0, 0);
  return 1;
}

int MEdit::OnControlKeyDown(unsigned virtual_key, unsigned, unsigned modifiers) {
  if (virtual_key != platform::VK_SPACE || modifiers || !IsEnabled()) return 0;
  if (!IsFocused() && !IsFocusControl()) return 0;
  SendMessageW(NOTIFY_PRESSED, 0, 0);
  SendMessageW(NOTIFY_CLICKED, 0, 0);
  return 1;
}

void MEdit::DrawControl(platform::Painter& painter, CRect) {
  const auto& image = GetImageInfo();
  if (image) {
    const int frame = state_ < image->count ? state_ : 0;
    MRender::DrawImageFrame(painter, *image->image, GetRect(), frame * image->frame_width, 0,
                            image->frame_width, image->height, kFrameBorder);
  }
  if (icon_) {
    const int frame = icon_state_ < icon_->count ? icon_state_ : 0;
    const CRect dest = GetIconRect();
    painter.DrawImage(
        *icon_->image,
        {frame * icon_->frame_width, 0, (frame + 1) * icon_->frame_width, icon_->height},
        dest.ToPlatform());
  }
  DrawEditText(painter);
}

void MEdit::DrawEditText(platform::Painter& painter) {
  const std::wstring text = GetTitle();
  if (text.empty()) return;
  const CRect area = GetTextRect();
  const std::wstring shown = password ? std::wstring(text.size(), password_char) : text;
  const platform::TextAlign align =
      horizontal_alignment_ == AlignCenter  ? platform::TextAlign::Center
      : horizontal_alignment_ == AlignRight ? platform::TextAlign::Far
                                            : platform::TextAlign::Near;
  const uint32_t colour = state_ == StateDisabled ? 0xFF808080 : GetTextColor().argb;
  painter.Save();
  painter.ClipTo(area.ToPlatform());
  painter.DrawText(shown, GetDrawFont(), area.ToPlatform(), align, platform::TextAlign::Center,
                   colour);
  painter.Restore();
}

}  // namespace LumoUI
