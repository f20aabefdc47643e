#include "tools/lumoui-gallery/SampleText.h"

#include "ui/core/FontFolder.h"
#include "ui/core/Manager.h"

SampleText::SampleText(LumoUI::MObject* parent, unsigned id, LumoUI::CRect rect, std::wstring text,
                       int pixel_size, uint32_t argb)
    : MControl(parent, id, rect, 1, 1, 0),
      text_(std::move(text)),
      pixel_size_(pixel_size),
      argb_(argb) {}

void SampleText::DrawControl(platform::Painter& painter, LumoUI::CRect) {
  const platform::Font font{LumoUI::FontFolder::ResolveFamily(LumoUI::Manager::GetFontName()),
                            pixel_size_};
  painter.DrawText(text_, font, GetRect().ToPlatform(), platform::TextAlign::Near,
                   platform::TextAlign::Center, argb_);
}
