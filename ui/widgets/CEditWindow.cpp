#include "ui/widgets/CEditWindow.h"

#include "platform/Backend.h"
#include "platform/Windows.h"
#include "ui/core/MControlFont.h"
#include "ui/core/Manager.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {

CEditWindow::CEditWindow(PaintManager* manager, std::function<void()> end_edit)
    : manager_(manager), end_edit_(std::move(end_edit)) {}

CEditWindow::~CEditWindow() = default;

void CEditWindow::Open(const CRect& rect, const std::wstring& text, const Look& look) {
  if (!manager_ || !manager_->GetPaintWnd() || rect.IsRectEmpty()) return;
  if (!field_)
    field_ = std::make_unique<platform::TextField>(manager_->GetPaintWnd(),
                                                   static_cast<platform::TextFieldListener*>(this));
  platform::TextFieldOptions options;
  options.font.family = Manager::GetFontName();
  options.font.pixel_size = look.font_size;
  options.font.bold = (look.font_style & FontStyleBold) != 0;
  options.font.italic = (look.font_style & FontStyleItalic) != 0;
  options.text_argb = look.text.argb;
  options.back_argb = ArgbFromColorRef(look.back);
  options.limit = look.limit;
  field_->SetOptions(options);
  platform::Windows& windows = platform::Get<platform::Windows>();
  const platform::Point origin =
      windows.ClientToScreen(manager_->GetPaintWnd(), {rect.left, rect.top});
  field_->Open({origin.x, origin.y, origin.x + rect.Width(), origin.y + rect.Height()}, text);
}

std::wstring CEditWindow::GetText() {
  return field_ ? field_->Text() : std::wstring();
}

void CEditWindow::Close() {
  if (field_) field_->Close();
}

void CEditWindow::OnTextFieldEnter() {
  if (end_edit_) end_edit_();
}

void CEditWindow::OnTextFieldFocusLost() {
  if (end_edit_) end_edit_();
}

}  // namespace LumoUI
