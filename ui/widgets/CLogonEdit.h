#pragma once

#include "ui/widgets/MRichEdit.h"

namespace LumoUI {

// A rich edit for sign-in forms; it edits as MRichEdit does. The factories do not know its
// name: it is made directly.
class CLogonEdit : public MRichEdit {
 public:
  using MRichEdit::MRichEdit;
  const wchar_t* GetClassNameW() override { return L"CLogonEdit"; }
};

}  // namespace LumoUI
