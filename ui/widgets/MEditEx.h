#pragma once

#include "ui/widgets/MRichEdit.h"

namespace LumoUI {

// The rich edit the dialogs create by the name "MEditEx"; it edits as MRichEdit does.
class MEditEx : public MRichEdit {
 public:
  using MRichEdit::MRichEdit;
  const wchar_t* GetClassNameW() override { return L"MEditEx"; }
};

}  // namespace LumoUI
