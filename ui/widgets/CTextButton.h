#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// A push button drawn as its title only, in one colour per state.
class CTextButton : public MButton {
 public:
  CTextButton(MObject* parent, unsigned id, CRect rect, const wchar_t* title, int visible,
              int enabled);

  void SetTextButtonColor(Color normal, Color hover, Color pressed, Color disabled);
  Color GetStateColor(int state) const;

 protected:
  void DrawFace(platform::Painter&) override {}
  void DrawLabel(platform::Painter& painter) override;

 private:
  Color colours_[4];
};

}  // namespace LumoUI
