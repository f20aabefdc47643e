// The widgets of the gallery's pages, each made by its creation name inside its page.
#include "tools/lumoui-gallery/GalleryDialog.h"
#include "ui/widgets/CArea.h"
#include "ui/widgets/CCheckButton.h"
#include "ui/widgets/CGifPicture.h"
#include "ui/widgets/CLogonEdit.h"
#include "ui/widgets/CPhotoFrame.h"
#include "ui/widgets/CRadioButton.h"
#include "ui/widgets/CSliderPicture.h"
#include "ui/widgets/CSpinButton.h"
#include "ui/widgets/CSwitchButton.h"
#include "ui/widgets/CTextButton.h"
#include "ui/widgets/CTimerButton.h"
#include "ui/widgets/DListBox.h"
#include "ui/widgets/MButton.h"
#include "ui/widgets/MComboBox.h"
#include "ui/widgets/MEdit.h"
#include "ui/widgets/MLevelCtrl.h"
#include "ui/widgets/MListBox.h"
#include "ui/widgets/MPanel.h"
#include "ui/widgets/MPicture.h"
#include "ui/widgets/MProgress.h"
#include "ui/widgets/MRichEdit.h"
#include "ui/widgets/MSlider.h"
#include "ui/widgets/MSpinButton.h"
#include "ui/widgets/MText.h"

namespace {

using LumoUI::CRect;
using LumoUI::MPanel;

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlue = 0xFF11A9FD;
constexpr uint32_t kCaptionGrey = 0xFF8FA6BF;

template <typename T>
T* Make(MPanel& page, const wchar_t* name, unsigned id, CRect rect, const wchar_t* title = L"",
        int enabled = 1) {
  return static_cast<T*>(page.CreateControl(name, id, rect, title, 1, enabled));
}

LumoUI::MText* StyledText(MPanel& page, unsigned id, CRect rect, const wchar_t* text, int size,
                          uint32_t colour) {
  auto* label = Make<LumoUI::MText>(page, L"MText", id, rect, text);
  label->SetFontWidth(size);
  label->SetTextColor(colour);
  return label;
}

void Heading(MPanel& page, const wchar_t* text) {
  StyledText(page, GalleryDialog::kLabel, {148, 78, 848, 104}, text, 16, kBlue);
}

}  // namespace

LumoUI::MText* GalleryDialog::Caption(MPanel& page, CRect rect, const wchar_t* text) {
  return StyledText(page, kLabel, rect, text, 13, kCaptionGrey);
}

void GalleryDialog::BuildTextsPage(MPanel& page) {
  Heading(page, L"MText and CArea");
  StyledText(page, kEnglish, kEnglishRect, L"Skinned windows, dialogs and text.", 20, 0xFFE0E8F0);
  StyledText(page, kChinese, kChineseRect, L"简体中文：窗口、对话框与文字。", 20, 0xFFFFD966);

  auto* wrapped = StyledText(page, kLabel, {148, 208, 480, 320},
                             L"A multi-line text wraps where it is wider than its box. "
                             L"Line breaks are kept.\nThis is a second paragraph.",
                             14, 0xFFD0D8E0);
  wrapped->EnableMultiLine(1);
  wrapped->SetVAlignment(LumoUI::VAlignTop);
  auto* shadowed =
      StyledText(page, kLabel, {510, 208, 848, 236}, L"A text with a shadow", 18, kWhite);
  shadowed->EnableShadow(1, 0xFF000000);
  auto* marked = StyledText(page, kLabel, {510, 246, 848, 274}, L"One marked word: LumoUI draws it",
                            15, kWhite);
  marked->SetMarkText(L"LumoUI", kBlue);
  auto* backed =
      StyledText(page, kLabel, {510, 284, 848, 314}, L"Text on its own background", 15, kWhite);
  backed->EnableTextBack(1, 0xFF1070C0);
  backed->SetAlignment(LumoUI::AlignCenter);

  const auto area = [&](CRect rect, const wchar_t* caption) {
    Caption(page, {rect.left, rect.bottom + 6, rect.right, rect.bottom + 26}, caption);
    return static_cast<LumoUI::CArea*>(page.CreateArea(L"CArea", kArea, rect, L"", 1, 1));
  };
  area({148, 350, 368, 450}, L"CArea: a 20 % white veil");
  area({388, 350, 608, 450}, L"CArea: a fade from 0 to 100 %")
      ->SetTransparent(0, 100, LumoUI::RGB(16, 168, 253));
  auto* framed = area({628, 350, 848, 450}, L"CArea: solid, with a frame");
  framed->SetTransparent(0, 0, LumoUI::RGB(6, 24, 53));
  framed->SetFrame(1, LumoUI::RGB(16, 168, 253));
  // A 1-pixel separator.
  area({148, 490, 848, 491}, L"")->SetTransparent(60, 60, LumoUI::RGB(143, 166, 191));
}

void GalleryDialog::BuildPicturesPage(MPanel& page) {
  Heading(page, L"MPicture, CPhotoFrame, CGifPicture and CSliderPicture");
  Make<LumoUI::MPicture>(page, L"MPicture", kLogo, {148, 120, 212, 184})
      ->SetImage(L"logo\\logo.png", 1);
  Caption(page, {148, 192, 300, 212}, L"MPicture");
  auto* photo = Make<LumoUI::CPhotoFrame>(page, L"CPhotoFrame", kPhoto, {310, 120, 374, 184});
  photo->SetImage(L"icon\\icon_keyboard.png", 1);
  Caption(page, {310, 192, 460, 212}, L"CPhotoFrame");

  auto* running =
      Make<LumoUI::CGifPicture>(page, L"CGifPicture", kGifRunning, {480, 110, 580, 210});
  running->SetImage(L"loading.gif", 1);
  running->SetRunState(1, 0);
  Caption(page, {480, 216, 640, 236}, L"CGifPicture, running");
  still_gif_ = Make<LumoUI::CGifPicture>(page, L"CGifPicture", kGifStill, {660, 110, 760, 210});
  still_gif_->SetImage(L"loading.gif", 1);
  still_gif_->SetRunState(0, 3);
  Caption(page, {660, 216, 848, 236}, L"CGifPicture, still");
  auto* toggle = Make<LumoUI::CTextButton>(page, L"CTextButton", kGifToggle, {770, 150, 848, 176},
                                           L"Run/Stop");
  toggle->SetTextButtonColor(kWhite, kBlue, 0xFF0A6FA8, 0xFF808080);

  slider_picture_ =
      Make<LumoUI::CSliderPicture>(page, L"CSliderPicture", kSliderPicture, {148, 270, 548, 470});
  slider_picture_->SetImage(L"keyboard\\K104.png", 1);
  Caption(page, {148, 478, 548, 498}, L"CSliderPicture: move the slider to slide it");
  auto* offset =
      Make<LumoUI::MSlider>(page, L"MSlider", kSliderPictureOffset, {148, 510, 548, 526});
  offset->SetThumbImage(L"img_palette_thumb.png");
  offset->SetMaxProgress(slider_picture_->GetMaxOffset());
  Make<LumoUI::MPicture>(page, L"MPicture", kLogo, {580, 300, 848, 404})
      ->SetImage(L"keyboard\\T87.png", 1);
  Caption(page, {580, 412, 848, 432}, L"MPicture, scaled");
}

void GalleryDialog::BuildButtonsPage(MPanel& page) {
  Heading(page, L"The button family");
  auto* menu = Make<LumoUI::MButton>(page, L"MButton", kMenuButton, kMenuButtonRect, L"Menu  ▾");
  menu->SetImage(L"btn_apply.png", 4);
  menu->SetTextColor(kWhite);
  auto* apply = Make<LumoUI::MButton>(page, L"MButton", kApply, {288, 112, 408, 150}, L"Apply");
  apply->SetImage(L"btn_apply.png", 4);
  apply->SetTextColor(kWhite);
  auto* disabled = Make<LumoUI::MButton>(page, L"MButton", kDisabledButton, {428, 112, 548, 150},
                                         L"Disabled", 0);
  disabled->SetImage(L"btn_apply.png", 4);
  Caption(page, {148, 156, 548, 176}, L"MButton: a menu, a push button, a disabled one");
  const wchar_t* images[] = {L"imgbtn_add.png", L"imgbtn_edit.png", L"imgbtn_del.png",
                             L"imgbtn_import.png", L"imgbtn_export.png"};
  int left = 580;
  for (const wchar_t* image : images) {
    auto* button =
        Make<LumoUI::MButton>(page, L"CImageButton", kImageButton, {left, 116, left + 30, 146});
    button->SetImage(image, 4);
    left += 38;
  }
  Caption(page, {580, 156, 848, 176}, L"CImageButton");

  auto* text_button = Make<LumoUI::CTextButton>(page, L"CTextButton", kTextButton,
                                                {148, 196, 290, 222}, L"A text button");
  text_button->SetTextButtonColor(kWhite, kBlue, 0xFF0A6FA8, 0xFF808080);
  auto* off_text = Make<LumoUI::CTextButton>(page, L"CTextButton", kDisabledTextButton,
                                             {300, 196, 440, 222}, L"Disabled text", 0);
  off_text->SetTextButtonColor(kWhite, kBlue, 0xFF0A6FA8, 0xFF808080);
  Caption(page, {148, 226, 548, 246}, L"CTextButton: one colour per state");
  left = 580;
  for (const wchar_t* image : {L"main_sysbtn_website.png", L"main_sysbtn_min.png"}) {
    Make<LumoUI::MButton>(page, L"CIconButton", kIconButton, {left, 196, left + 30, 226})
        ->SetImage(image, 4);
    left += 40;
  }
  Caption(page, {580, 226, 848, 246}, L"CIconButton");

  auto* check =
      Make<LumoUI::CCheckButton>(page, L"CCheckButton", kCheck, {148, 276, 268, 296}, L" Check");
  check->SetImage(L"btn_checkbox.png", 8);
  check->SetTextColor(kWhite);
  check->SetCheck(1);
  auto* off_check = Make<LumoUI::CCheckButton>(page, L"CCheckButton", kDisabledCheck,
                                               {278, 276, 408, 296}, L" Disabled", 0);
  off_check->SetImage(L"btn_checkbox.png", 8);
  const struct {
    unsigned id;
    const wchar_t* title;
  } radios[] = {{kRadioA, L" Wired"}, {kRadioB, L" 2.4 GHz"}, {kRadioC, L" Bluetooth"}};
  left = 440;
  LumoUI::CRadioButton* first_radio = nullptr;
  for (const auto& r : radios) {
    auto* radio = Make<LumoUI::CRadioButton>(page, L"CRadioButton", r.id,
                                             {left, 276, left + 120, 296}, r.title);
    radio->SetImage(L"btn_radiobox.png", 8);
    radio->SetTextColor(kWhite);
    radio->SetGroupName(L"connection");
    if (!first_radio) first_radio = radio;
    left += 130;
  }
  first_radio->SetCheck(1);
  Caption(page, {148, 302, 848, 322}, L"CCheckButton and CRadioButton (one group)");

  Make<LumoUI::CSwitchButton>(page, L"CSwitchButton", kSwitch, {148, 356, 200, 380});
  Caption(page, {148, 388, 268, 408}, L"CSwitchButton");
  auto* timer = Make<LumoUI::CTimerButton>(page, L"CTimerButton", kTimerButton,
                                           {288, 350, 408, 388}, L"Hold me");
  timer->SetImage(L"btn_apply.png", 4);
  timer->SetTextColor(kWhite);
  Caption(page, {288, 394, 548, 414}, L"CTimerButton: counts while held");
  auto* help = Make<LumoUI::MButton>(page, L"CHelpButton", kHelp, {580, 356, 620, 384}, L"?");
  help->SetImage(L"img_customkey.png", 4);
  help->SetTextColor(kWhite);
  help->SetTooltip(L"Help for this page");
  Caption(page, {580, 394, 848, 414}, L"CHelpButton, with a tooltip");
}

void GalleryDialog::BuildEditsPage(MPanel& page) {
  Heading(page, L"Edits, combo box and spin buttons");
  const auto edit = [&](const wchar_t* name, unsigned id, CRect rect, const wchar_t* text,
                        const wchar_t* caption) {
    auto* control = Make<LumoUI::MEdit>(page, name, id, rect, text);
    control->SetImage(L"img_edit.png", 4);
    control->SetTextColor(kWhite);
    Caption(page, {148, rect.top, rect.left - 10, rect.bottom}, caption);
    return control;
  };
  edit_ = edit(L"MEdit", kEdit, kEditRect, L"2024", L"MEdit, digits only (6)");
  edit_->digits_only = 1;
  edit_->SetLimitText(6);

  combo_ = Make<LumoUI::MComboBox>(page, L"MComboBox", kCombo, kComboRect);
  combo_->SetBackImage(L"img_combobox.png", 4);
  combo_->SetTextColor(kWhite);
  for (const wchar_t* mode :
       {L"Wave", L"Breathing", L"Static", L"Ripple 涟漪", L"Reactive", L"Rainbow", L"Off"})
    combo_->AddItem(mode, combo_->GetItemCount());
  combo_->SetCurSel(0);
  Caption(page, {148, kComboRect.top, kComboRect.left - 10, kComboRect.bottom}, L"MComboBox");

  edit(L"MRichEdit", kRichEdit, {330, 214, 530, 246}, L"Rich edit", L"MRichEdit");
  edit(L"MEditEx", kEditEx, {330, 262, 530, 294}, L"Centred", L"MEditEx, centred")
      ->SetAlignment(LumoUI::AlignCenter);
  auto* logon = new LumoUI::CLogonEdit(&page, kLogonEdit, {330, 310, 530, 342}, L"secret", 1, 1);
  page.AddControl(logon);
  logon->SetImage(L"img_edit.png", 4);
  logon->SetTextColor(kWhite);
  logon->EnablePassWord(1);
  logon->SetPassWordChar(L'●');
  Caption(page, {148, 310, 320, 342}, L"CLogonEdit, password");

  auto* spin = Make<LumoUI::CSpinButton>(page, L"CSpinButton", kSpin, {330, 358, 450, 390});
  spin->SetImage(L"img_edit.png", 4);
  spin->SetTextColor(kWhite);
  spin->SetRange(0, 255);
  spin->SetValue(128);
  Caption(page, {148, 358, 320, 390}, L"CSpinButton");
  auto* other_spin =
      Make<LumoUI::MSpinButton>(page, L"MSpinButton", kOtherSpin, {330, 406, 450, 438});
  other_spin->SetTextColor(kWhite);
  other_spin->SetRange(1, 10);
  other_spin->SetValue(5);
  Caption(page, {148, 406, 320, 438}, L"MSpinButton");

  auto* with_icon =
      Make<LumoUI::MEdit>(page, L"MEdit", kIconEdit, {580, 112, 820, 144}, L"With an icon");
  with_icon->SetImage(L"img_edit.png", 4);
  with_icon->SetTextColor(kWhite);
  with_icon->SetIconImage(L"imgbtn_del.png", 4);
  Caption(page, {580, 148, 820, 168}, L"MEdit with an icon");
  auto* off =
      Make<LumoUI::MEdit>(page, L"MEdit", kDisabledEdit, {580, 180, 820, 212}, L"Disabled", 0);
  off->SetImage(L"img_edit.png", 4);
  off->SetTextColor(kWhite);
  Caption(page, {580, 216, 820, 236}, L"MEdit, disabled");
}

void GalleryDialog::BuildListsPage(MPanel& page) {
  Heading(page, L"Lists, a scrolling panel, and values");
  list_ = Make<LumoUI::DListBox>(page, L"DListBox", kList, kListRect);
  list_->SetImage(L"icon\\icon_circle.png", 2);
  list_->SetEditImage(L"img_edit.png", 4);
  for (const wchar_t* name : {L"Default", L"Game", L"办公"})
    list_->AddItem(name, list_->GetItemCount());
  list_->EnableShowEdit(1);
  list_->SetCurSel(0);
  auto* rename = Make<LumoUI::CTextButton>(page, L"CTextButton", kRename, kRenameRect, L"Rename");
  rename->SetTextButtonColor(kWhite, kBlue, 0xFF0A6FA8, 0xFF808080);
  Caption(page, {280, 252, 420, 290}, L"DListBox");

  auto* rows = Make<LumoUI::MListBox>(page, L"MListBox", kListBox, {440, 112, 620, 240});
  rows->SetTextColor(kWhite);
  for (int i = 1; i <= 9; ++i)
    rows->AddItem((L"Macro " + std::to_wstring(i)).c_str(), i);
  rows->SetCurSel(1);
  Caption(page, {440, 252, 620, 272}, L"MListBox (wheel scrolls)");

  // A panel whose content is larger than it both ways: both scroll bars show.
  auto* panel = static_cast<MPanel*>(
      page.AddControl(new MPanel(&page, kScrollPanel, {148, 320, 620, 520}, 1, 1)));
  Make<LumoUI::MPicture>(*panel, L"MPicture", kPanelPicture, {148, 320, 1088, 620})
      ->SetImage(L"keyboard\\K104.png", 1);
  auto* over = static_cast<LumoUI::MText*>(panel->CreateControl(
      L"MText", kLabel, {160, 330, 600, 356}, L"MPanel: drag its scroll bars", 1, 1));
  over->SetFontWidth(15);
  over->SetTextColor(kWhite);
  over->EnableTextBack(1, 0xC0061835);
  Caption(page, {148, 526, 620, 546}, L"MPanel with 7-pixel scroll bars");

  auto* slider = Make<LumoUI::MSlider>(page, L"MSlider", kSlider, {660, 136, 848, 152});
  slider->SetThumbImage(L"img_palette_thumb.png");
  slider->SetMaxProgress(100);
  slider->SetProgress(60);
  Caption(page, {660, 112, 848, 132}, L"MSlider");
  progress_ = Make<LumoUI::MProgress>(page, L"MProgress", kProgress, {660, 196, 848, 206});
  progress_->SetProgress(60);
  Caption(page, {660, 172, 848, 192}, L"MProgress, follows the slider");
  auto* level = Make<LumoUI::MLevelCtrl>(page, L"MLevelCtrl", kLevel, {660, 248, 760, 264});
  level->SetImage(L"icon\\icon_circle.png", 2);
  level->SetLevel(3);
  Caption(page, {660, 224, 848, 244}, L"MLevelCtrl");
}
