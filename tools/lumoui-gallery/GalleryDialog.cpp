#include "tools/lumoui-gallery/GalleryDialog.h"

#include "ui/core/Notifications.h"
#include "ui/widgets/CArea.h"
#include "ui/widgets/CGifPicture.h"
#include "ui/widgets/CSliderPicture.h"
#include "ui/widgets/CSpinButton.h"
#include "ui/widgets/DListBox.h"
#include "ui/widgets/MButton.h"
#include "ui/widgets/MComboBox.h"
#include "ui/widgets/MEdit.h"
#include "ui/widgets/MLevelCtrl.h"
#include "ui/widgets/MProgress.h"
#include "ui/widgets/MSlider.h"
#include "ui/widgets/MSpinButton.h"
#include "ui/widgets/MTabCtrl.h"
#include "ui/widgets/MTabLayout.h"
#include "ui/widgets/MText.h"
#include "ui/widgets/MenuWnd.h"

namespace {

using LumoUI::CRect;

constexpr struct {
  const wchar_t* title;
  const wchar_t* icon;
} kPages[GalleryDialog::kPageCount] = {
    {L"Texts", L"icon\\tab_home.png"},        {L"Pictures", L"icon\\tab_light.png"},
    {L"Buttons", L"icon\\tab_customkey.png"}, {L"Edits", L"icon\\tab_macro.png"},
    {L"Lists", L"icon\\tab_config.png"},
};

}  // namespace

GalleryDialog::GalleryDialog() = default;
GalleryDialog::~GalleryDialog() = default;

void GalleryDialog::InitUI(CRect) {
  LoadBKImage(L"gallery\\background.png");
  SetBackMode(LumoUI::BackModeNinePart, 16);

  auto* title = static_cast<LumoUI::MText*>(
      CreateControl(L"MText", kTitle, {24, 16, 480, 56}, L"LumoUI Gallery"));
  title->SetFontWidth(28);
  title->SetTextColor(0xFFFFFFFF);
  status_ = static_cast<LumoUI::MText*>(CreateControl(L"MText", kStatus, {480, 22, 864, 50}));
  status_->SetFontWidth(14);
  status_->SetTextColor(0xFF8FA6BF);
  status_->SetAlignment(LumoUI::AlignRight, LumoUI::VAlignCenter);

  // The tab strip on a darker band, the pages on a lighter one.
  auto* strip_band = static_cast<LumoUI::CArea*>(
      CreateArea(L"CArea", kArea,
                 {kTabStripRect.left, kTabStripRect.top, kTabStripRect.right, kPageRect.bottom}));
  strip_band->SetTransparent(50, 50, LumoUI::RGB(0, 0, 0));
  auto* page_band = static_cast<LumoUI::CArea*>(CreateArea(L"CArea", kArea, kPageRect));
  page_band->SetTransparent(94, 94, LumoUI::RGB(255, 255, 255));
  page_band->SetFrame(1, LumoUI::RGB(28, 62, 100));

  LumoUI::MPanel* pages[kPageCount] = {};
  for (int i = 0; i < kPageCount; ++i) {
    pages[i] = static_cast<LumoUI::MPanel*>(
        CreateControl(L"MTabLayout", kFirstPage + i, kPageRect, L"", i == 0));
  }
  BuildTextsPage(*pages[kTextsPage]);
  BuildPicturesPage(*pages[kPicturesPage]);
  BuildButtonsPage(*pages[kButtonsPage]);
  BuildEditsPage(*pages[kEditsPage]);
  BuildListsPage(*pages[kListsPage]);

  tabs_ = static_cast<LumoUI::MTabCtrl*>(CreateControl(L"MTabCtrl", kTabs, kTabStripRect));
  tabs_->SetItemWidth(kTabStripRect.Width(), 0, 0);
  tabs_->SetItemHeight(kTabHeight, 0, 0);
  for (int i = 0; i < kPageCount; ++i)
    tabs_->InsertItem(i, kPages[i].title, kPages[i].icon, pages[i], 3, kTabStripRect.Width());
  tabs_->SetSelectItem(kTextsPage);

  const wchar_t* labels[] = {L"OK", L"Cancel", L"Yes", L"No"};
  for (unsigned id = kOk; id <= kNo; ++id) {
    auto* button = static_cast<LumoUI::MButton*>(
        CreateControl(L"MButton", id, ButtonRect(id), labels[id - kOk]));
    button->SetImage(L"btn_apply.png", 4);
    button->SetTextColor(0xFFFFFFFF);
  }
}

void GalleryDialog::ShowStatus(const std::wstring& text) {
  status_->SetTitle(text.c_str());
}

void GalleryDialog::OpenMenu() {
  const CRect button = kMenuButtonRect;
  const LumoUI::CPoint at = ClientToScreen({button.left, button.bottom + 2});
  menu_ = std::make_unique<LumoUI::MenuWnd>(nullptr);
  if (!menu_->Create(GetSafeHwnd(), at, kMenuMessage, L"", 180, 0, LumoUI::BackModeNatural)) {
    menu_.reset();
    return;
  }
  menu_->AddMenu(L"Rename", kMenuRename, L"imgbtn_edit.png");
  menu_->AddMenu(L"Copy", kMenuCopy, L"imgbtn_add.png");
  menu_->AddSeparator();
  menu_->AddMenu(L"Delete", kMenuDelete, L"imgbtn_del.png");
  menu_->SetItemCheck(L"Copy", 1);
}

long GalleryDialog::OnWindowMessage(unsigned message, platform::WParam wparam,
                                    platform::LParam lparam) {
  if (message == kMenuMessage) {
    const wchar_t* names[] = {L"", L"Rename", L"Copy", L"Delete"};
    if (lparam >= kMenuRename && lparam <= kMenuDelete)
      ShowStatus(std::wstring(L"Menu: ") + names[lparam]);
    return 0;
  }
  return MDialog::OnWindowMessage(message, wparam, lparam);
}

void GalleryDialog::CaptureState() {
  state_ = L"edit=" + edit_->GetEditText() + L"\ncombo=" + std::to_wstring(combo_->GetCurSel()) +
           L"\nlist=";
  for (int i = 0; i < list_->GetItemCount(); ++i)
    state_ += (i ? L"|" : L"") + list_->GetItemText(i);
  state_ += L"\npage=" + std::to_wstring(tabs_->GetSelectItem()) + L"\n";
}

long GalleryDialog::OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) {
  using namespace LumoUI;
  const bool clicked = code == NOTIFY_CLICKED;
  switch (id) {
    case kTabs:
      if (clicked && wparam < kPageCount)
        ShowStatus(std::wstring(L"Page: ") + kPages[wparam].title);
      return 0;
    case kRename:
      if (clicked) list_->ShowEdit();
      return 1;
    case kMenuButton:
      if (clicked) OpenMenu();
      return 1;
    case kTimerButton:
      if (clicked) ShowStatus(L"Timer button: " + std::to_wstring(++timer_count_));
      return 1;
    case kSwitch:
      if (clicked) ShowStatus(lparam ? L"Switch: on" : L"Switch: off");
      return 1;
    case kLevel:
      if (clicked) ShowStatus(L"Level: " + std::to_wstring(wparam));
      return 1;
    case kSlider:
      if (code == NOTIFY_POSITION_CHANGING || clicked) {
        progress_->SetProgress(static_cast<int>(wparam));
        ShowStatus(L"Slider: " + std::to_wstring(wparam));
      }
      return 1;
    case kSliderPictureOffset:
      if (code == NOTIFY_POSITION_CHANGING || clicked)
        slider_picture_->SetOffset(static_cast<int>(wparam));
      return 1;
    case kGifToggle:
      if (clicked) still_gif_->SetRunState(!still_gif_->IsRunning(), still_gif_->GetCurrentFrame());
      return 1;
    case kSpin:
    case kOtherSpin:
      if (code == NOTIFY_SPIN_CHANGED) ShowStatus(L"Spin button: " + std::to_wstring(wparam));
      return 1;
    case kCombo:
      if (clicked) ShowStatus(L"Combo box: " + combo_->GetItemText(combo_->GetCurSel()));
      return 1;
    case kList:
      if (code == NOTIFY_EDIT_CLOSED) ShowStatus(L"Renamed: " + list_->GetItemText(lparam));
      return 1;
    default:
      break;
  }
  if (code == NOTIFY_EDIT_CLOSED && id >= kRichEdit && id <= kLogonEdit) {
    ShowStatus(L"Edit closed (code 29)");
    return 1;
  }
  if (!clicked || id < kOk || id > kNo) return 0;
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
