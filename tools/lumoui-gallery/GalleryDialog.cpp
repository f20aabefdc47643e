#include "tools/lumoui-gallery/GalleryDialog.h"

#include "tools/lumoui-gallery/SampleButton.h"
#include "tools/lumoui-gallery/SampleText.h"

void GalleryDialog::InitUI(LumoUI::CRect) {
  LoadBKImage(L"gallery\\background.png");
  SetBackMode(LumoUI::BackModeNinePart, 16);
  auto& manager = GetPaintManager();
  manager.AddControl(
      new SampleText(this, kTitle, {40, 30, 760, 80}, L"LumoUI Gallery", 32, 0xFFFFFFFF));
  manager.AddControl(new SampleText(this, kEnglish, {40, 120, 760, 160},
                                    L"Skinned windows, dialogs and text.", 20, 0xFFE0E8F0));
  manager.AddControl(new SampleText(this, kChinese, {40, 180, 760, 220},
                                    L"简体中文：窗口、对话框与文字。", 20, 0xFFFFD966));
  const wchar_t* labels[] = {L"OK", L"Cancel", L"Yes", L"No"};
  for (unsigned id = kOk; id <= kNo; ++id)
    manager.AddControl(new SampleButton(this, id, ButtonRect(id), labels[id - kOk]));
}

long GalleryDialog::OnMessage(unsigned id, unsigned code, unsigned, long) {
  if (code != SampleButton::kClicked) return 0;
  switch (id) {
    case kOk:
      DoOK();
      break;
    case kCancel:
      DoCancel();
      break;
    case kYes:
      DoYes();
      break;
    case kNo:
      DoNo();
      break;
    default:
      break;
  }
  return 1;
}
