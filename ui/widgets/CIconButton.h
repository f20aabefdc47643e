#pragma once

#include "ui/widgets/MButton.h"

namespace LumoUI {

// A push button that is only its icon strip; known by the class name "IconButton".
class CIconButton : public MButton {
 public:
  using MButton::MButton;
  const wchar_t* GetClassNameW() override { return L"IconButton"; }
};

}  // namespace LumoUI
