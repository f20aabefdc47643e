#include "ui/widgets/MPicture.h"

namespace LumoUI {

MPicture::MPicture(MObject* parent, unsigned id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
  SetImageCount(1);
}

void MPicture::DrawControl(platform::Painter& painter, CRect) {
  DrawImageFrame(painter, 0, GetRect());
}

}  // namespace LumoUI
