#include "tools/lumoui-gallery/SampleButton.h"

#include "ui/core/FontFolder.h"
#include "ui/core/Manager.h"

SampleButton::SampleButton(LumoUI::MObject* parent, unsigned id, LumoUI::CRect rect,
                           std::wstring text)
    : MControl(parent, id, rect, 1, 1, 1), text_(std::move(text)) {}

void SampleButton::DrawControl(platform::Painter& painter, LumoUI::CRect) {
  const LumoUI::CRect r = GetRect();
  const uint32_t face = pressed_ ? 0xFF0A6FB0 : hovered_ ? 0xFF1E9BE8 : 0xFF10A8FD;
  painter.RoundedRect(r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1, 6, 6, 0xFFFFFFFF, 1,
                      true, face);
  const platform::Font font{LumoUI::FontFolder::ResolveFamily(LumoUI::Manager::GetFontName()), 16};
  painter.DrawText(text_, font, r.ToPlatform(), platform::TextAlign::Center,
                   platform::TextAlign::Center, 0xFFFFFFFF);
}

int SampleButton::OnControlMouseMove(unsigned, LumoUI::CPoint point) {
  const bool inside = GetRect().PtInRect(point);
  if (inside != hovered_) {
    hovered_ = inside;
    UpdateControl(0, 0);
  }
  return inside;
}

int SampleButton::OnControlLButtonDown(unsigned, LumoUI::CPoint) {
  pressed_ = true;
  UpdateControl(0, 0);
  return 1;
}

int SampleButton::OnControlLButtonUp(unsigned, LumoUI::CPoint point) {
  const bool clicked = pressed_ && GetRect().PtInRect(point);
  pressed_ = false;
  UpdateControl(0, 0);
  if (clicked) SendMessageW(kClicked, 0, 0);
  return 1;
}
