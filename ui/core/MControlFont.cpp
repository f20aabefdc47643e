#include "ui/core/MControlFont.h"

#include "ui/core/Manager.h"
#include "ui/core/PaintManager.h"

namespace LumoUI {
namespace {

platform::TextAlign HorizontalAlign(unsigned value) {
  switch (value) {
    case AlignCenter:
      return platform::TextAlign::Center;
    case AlignRight:
      return platform::TextAlign::Far;
    default:
      return platform::TextAlign::Near;
  }
}

platform::TextAlign VerticalAlign(unsigned value) {
  switch (value) {
    case VAlignCenter:
      return platform::TextAlign::Center;
    case VAlignBottom:
      return platform::TextAlign::Far;
    default:
      return platform::TextAlign::Near;
  }
}

}  // namespace

MControlFont::MControlFont(MObject* parent, unsigned id, CRect rect, const wchar_t* title,
                           int visible, int enabled, int response)
    : MControl(parent, id, rect, visible, enabled, response),
      font_size(Manager::GetFontWidth()),
      title_(title ? title : L""),
      font_name_(Manager::GetFontName()) {}

void MControlFont::SetTextFont(const std::wstring& name) {
  font_name_ = name;
}

void MControlFont::SetTextColor(Color colour) {
  text_color_ = colour;
}

bool MControlFont::SetImage(const wchar_t* path, int count) {
  if (!path || !GetManager()) return false;
  auto info = GetManager()->AddImgResInfo(path, count);
  if (!info) return false;
  image_ = std::move(info);
  image_path_ = path;
  image_count_ = image_->count;
  if (IsVisible()) UpdateControl(1, 0);
  return true;
}

void MControlFont::SetControlTitle(const wchar_t* title) {
  title_ = title ? title : L"";
}

std::wstring MControlFont::GetControlTitle() {
  return title_;
}

void MControlFont::SetTitle(const wchar_t* title) {
  SetControlTitle(title);
  if (IsVisible()) UpdateControl(1, 0);
}

void MControlFont::SetAlignment(unsigned horizontal) {
  SetAlignment(horizontal, vertical_alignment_);
}

void MControlFont::SetVAlignment(unsigned vertical) {
  SetAlignment(horizontal_alignment_, vertical);
}

void MControlFont::SetAlignment(unsigned horizontal, unsigned vertical) {
  if (horizontal == horizontal_alignment_ && vertical == vertical_alignment_) return;
  horizontal_alignment_ = horizontal;
  vertical_alignment_ = vertical;
  if (IsVisible()) UpdateControl(1, 0);
}

void MControlFont::GetAlignment(unsigned& horizontal, unsigned& vertical) const {
  horizontal = horizontal_alignment_;
  vertical = vertical_alignment_;
}

void MControlFont::SetFont(const std::wstring& name, int size, unsigned style) {
  font_name_ = name;
  font_size = size;
  font_style = style;
}

CSize MControlFont::GetImageSize() const {
  return image_ ? CSize{image_->frame_width, image_->height} : CSize{};
}

platform::Font MControlFont::GetDrawFont() const {
  // Every text of the program uses the one process-wide family; the face name is kept only.
  return {Manager::GetFontName(), font_size, (font_style & FontStyleBold) != 0,
          (font_style & FontStyleItalic) != 0, (font_style & FontStyleUnderline) != 0};
}

void MControlFont::DrawTitle(platform::Painter& painter, const CRect& box, Color colour) {
  painter.DrawText(GetControlTitle(), GetDrawFont(), box.ToPlatform(),
                   HorizontalAlign(horizontal_alignment_), VerticalAlign(vertical_alignment_),
                   colour.argb);
}

void MControlFont::DrawImageFrame(platform::Painter& painter, int frame, const CRect& dest) {
  if (!image_ || frame < 0 || frame >= image_->count) return;
  const int x = frame * image_->frame_width;
  painter.DrawImage(*image_->image, {x, 0, x + image_->frame_width, image_->height},
                    dest.ToPlatform());
}

}  // namespace LumoUI
