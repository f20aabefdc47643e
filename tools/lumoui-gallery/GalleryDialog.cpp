#include "tools/lumoui-gallery/GalleryDialog.h"

#include "tools/lumoui-gallery/SampleButton.h"
#include "tools/lumoui-gallery/SampleText.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CArea.h"
#include "ui/widgets/CCheckButton.h"
#include "ui/widgets/CRadioButton.h"
#include "ui/widgets/CTextButton.h"
#include "ui/widgets/DListBox.h"
#include "ui/widgets/MComboBox.h"
#include "ui/widgets/MEdit.h"
#include "ui/widgets/MPanel.h"
#include "ui/widgets/MProgress.h"
#include "ui/widgets/MSlider.h"

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

  // The widgets: a digits-only edit, a combo box, check and radio buttons, slider and progress,
  // and a list whose rows rename in place.
  edit_ = static_cast<LumoUI::MEdit*>(CreateControl(L"MEdit", kEdit, kEditRect, L"2024"));
  edit_->SetImage(L"img_edit.png", 4);
  edit_->digits_only = 1;
  edit_->SetLimitText(6);
  combo_ = static_cast<LumoUI::MComboBox*>(CreateControl(L"MComboBox", kCombo, kComboRect));
  combo_->SetBackImage(L"img_combobox.png", 4);
  for (const wchar_t* mode : {L"Wave", L"Breathing", L"Static", L"Ripple 涟漪"})
    combo_->AddItem(mode, combo_->GetItemCount());
  combo_->SetCurSel(0);
  auto* check = static_cast<LumoUI::CCheckButton*>(
      CreateControl(L"CCheckButton", kCheck, {520, 256, 640, 276}, L" Check"));
  check->SetImage(L"btn_checkbox.png", 8);
  check->SetCheck(1);
  for (unsigned id : {kRadioA, kRadioB}) {
    const int left = id == kRadioA ? 650 : 720;
    auto* radio = static_cast<LumoUI::CRadioButton*>(CreateControl(
        L"CRadioButton", id, {left, 256, left + 66, 276}, id == kRadioA ? L" On" : L" Off"));
    radio->SetImage(L"btn_radiobox.png", 8);
    radio->SetGroupName(L"power");
  }
  static_cast<LumoUI::CRadioButton*>(GetControl(kRadioA))->SetCheck(1);
  auto* slider =
      static_cast<LumoUI::MSlider*>(CreateControl(L"MSlider", kSlider, {300, 450, 560, 470}));
  slider->SetMaxProgress(100);
  slider->SetProgress(60);
  auto* progress =
      static_cast<LumoUI::MProgress*>(CreateControl(L"MProgress", kProgress, {300, 500, 560, 510}));
  progress->SetProgress(40);
  CreateArea(L"CArea", kArea, {280, 430, 760, 431});
  auto* panel = new LumoUI::MPanel(this, kPanel, kListRect, 1, 1);
  manager.AddControl(panel);
  list_ = static_cast<LumoUI::DListBox*>(
      panel->CreateControl(L"DListBox", kList, kListRect, L"", 1, 1));
  for (const wchar_t* name : {L"Default", L"Game", L"办公"})
    list_->AddItem(name, list_->GetItemCount());
  list_->EnableShowEdit(1);
  list_->SetCurSel(0);
  auto* rename = static_cast<LumoUI::CTextButton*>(
      CreateControl(L"CTextButton", kRename, kRenameRect, L"Rename"));
  rename->SetTextButtonColor(0xFFFFFFFF, 0xFF11A9FD, 0xFF0A6FA8, 0xFF808080);
}

void GalleryDialog::CaptureState() {
  state_ = L"edit=" + edit_->GetEditText() + L"\ncombo=" + std::to_wstring(combo_->GetCurSel()) +
           L"\nlist=";
  for (int i = 0; i < list_->GetItemCount(); ++i)
    state_ += (i ? L"|" : L"") + list_->GetItemText(i);
  state_ += L"\n";
}

long GalleryDialog::OnMessage(unsigned id, unsigned code, unsigned, long) {
  if (id == kRename && code == LumoUI::NOTIFY_CLICKED) {
    list_->ShowEdit();
    return 1;
  }
  if (code != SampleButton::kClicked || id < kOk || id > kNo) return 0;
  CaptureState();
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
