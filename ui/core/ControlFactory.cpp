#include "ui/core/ControlFactory.h"

#include <cwchar>
#include <iterator>

#include "ui/core/MControl.h"
#include "ui/widgets/CArea.h"
#include "ui/widgets/CCheckButton.h"
#include "ui/widgets/CComboBoxList.h"
#include "ui/widgets/CGifPicture.h"
#include "ui/widgets/CHelpButton.h"
#include "ui/widgets/CIconButton.h"
#include "ui/widgets/CImageButton.h"
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
#include "ui/widgets/MEditEx.h"
#include "ui/widgets/MLevelCtrl.h"
#include "ui/widgets/MListBox.h"
#include "ui/widgets/MPicture.h"
#include "ui/widgets/MProgress.h"
#include "ui/widgets/MRichEdit.h"
#include "ui/widgets/MSlider.h"
#include "ui/widgets/MSpinButton.h"
#include "ui/widgets/MTabCtrl.h"
#include "ui/widgets/MTabLayout.h"
#include "ui/widgets/MText.h"
#include "ui/widgets/MenuItem.h"

namespace LumoUI {
namespace {

using Maker = MControl* (*)(MObject* parent, unsigned id, CRect rect, const wchar_t* title,
                            int visible, int enabled);

// The constructor shapes of the widget classes. Each makes the class from the factory's
// arguments the way that class takes them.
template <typename T>
MControl* TitleVisibleEnabled(MObject* p, unsigned id, CRect r, const wchar_t* t, int v, int e) {
  return new T(p, id, r, t, v, e);
}
template <typename T>
MControl* TitleVisibleAlwaysEnabled(MObject* p, unsigned id, CRect r, const wchar_t* t, int v,
                                    int) {
  return new T(p, id, r, t, v, 1);
}
template <typename T>
MControl* TitleVisible(MObject* p, unsigned id, CRect r, const wchar_t* t, int v, int) {
  return new T(p, id, r, t, v);
}
template <typename T>
MControl* VisibleEnabled(MObject* p, unsigned id, CRect r, const wchar_t*, int v, int e) {
  return new T(p, id, r, v, e);
}
template <typename T>
MControl* VisibleAlwaysEnabled(MObject* p, unsigned id, CRect r, const wchar_t*, int v, int) {
  return new T(p, id, r, v, 1);
}
template <typename T>
MControl* Visible(MObject* p, unsigned id, CRect r, const wchar_t*, int v, int) {
  return new T(p, id, r, v);
}

enum Owners : unsigned { kWindow = 1, kContainer = 2, kBoth = kWindow | kContainer };

struct Entry {
  const wchar_t* name;
  unsigned owners;
  // Null until the widget exists; adding one is a matter of naming its maker here, for example
  // `&TitleVisibleEnabled<MButton>`.
  Maker make;
};

// clang-format off
constexpr Entry kEntries[] = {
    {L"CArea", kBoth, &VisibleAlwaysEnabled<CArea>},
    {L"MText", kBoth, &TitleVisible<MText>},
    {L"MPicture", kBoth, &VisibleEnabled<MPicture>},
    {L"CPhotoFrame", kBoth, &VisibleEnabled<CPhotoFrame>},
    {L"CSliderPicture", kBoth, &VisibleEnabled<CSliderPicture>},
    {L"CGifPicture", kBoth, &VisibleEnabled<CGifPicture>},
    {L"MProgress", kBoth, &VisibleEnabled<MProgress>},
    {L"MSlider", kBoth, &VisibleEnabled<MSlider>},
    {L"MLevelCtrl", kBoth, &VisibleEnabled<MLevelCtrl>},
    {L"MButton", kBoth, &TitleVisibleEnabled<MButton>},
    {L"CImageButton", kBoth, &TitleVisibleEnabled<CImageButton>},
    {L"CTextButton", kBoth, &TitleVisibleEnabled<CTextButton>},
    {L"CCheckButton", kBoth, &TitleVisibleEnabled<CCheckButton>},
    {L"CRadioButton", kBoth, &TitleVisibleEnabled<CRadioButton>},
    {L"CColorButton", kBoth, nullptr},      // VisibleEnabled
    {L"MSpinButton", kBoth, &VisibleEnabled<MSpinButton>},
    {L"CSpinButton", kBoth, &VisibleEnabled<CSpinButton>},
    {L"CSwitchButton", kBoth, &VisibleEnabled<CSwitchButton>},
    {L"CIconButton", kBoth, &TitleVisibleEnabled<CIconButton>},
    {L"CTimerButton", kBoth, &TitleVisibleEnabled<CTimerButton>},
    {L"CHelpButton", kBoth, &TitleVisibleEnabled<CHelpButton>},
    {L"MEdit", kBoth, &TitleVisibleEnabled<MEdit>},
    {L"MRichEdit", kBoth, &TitleVisibleEnabled<MRichEdit>},
    {L"MEditEx", kBoth, &TitleVisibleEnabled<MEditEx>},
    {L"MComboBox", kBoth, &VisibleEnabled<MComboBox>},
    {L"MTabCtrl", kBoth, &VisibleEnabled<MTabCtrl>},
    {L"MTabLayout", kBoth, &Visible<MTabLayout>},
    {L"MListBox", kBoth, &Visible<MListBox>},
    {L"MPalette", kBoth, nullptr},          // Visible
    {L"CColorPalette", kBoth, nullptr},     // Visible
    {L"CColorSelect", kBoth, nullptr},      // Visible
    {L"CirclePalette", kBoth, nullptr},     // VisibleAlwaysEnabled
    {L"CComboBoxList", kWindow, &VisibleAlwaysEnabled<CComboBoxList>},
    {L"MenuItem", kBoth, &TitleVisibleAlwaysEnabled<MenuItem>},
    {L"KeyboardCtrl", kBoth, nullptr},      // Visible
    {L"CDeviceCtrl", kBoth, nullptr},       // VisibleAlwaysEnabled
    {L"BatteryCtrl", kWindow, nullptr},     // VisibleAlwaysEnabled
    {L"KeyFuncControl", kContainer, nullptr},  // Visible
    {L"DListBox", kContainer, &Visible<DListBox>},
    {L"CRecordList", kContainer, nullptr},  // Visible
    {L"UpgradeButton", kContainer, nullptr},   // TitleVisibleAlwaysEnabled
    {L"DownloadButton", kContainer, nullptr},  // TitleVisibleAlwaysEnabled
};
// clang-format on

const Entry* Find(ControlFactory::Owner owner, const wchar_t* class_name) {
  if (!class_name || !*class_name) return nullptr;
  const unsigned bit = owner == ControlFactory::Owner::Window ? kWindow : kContainer;
  for (const Entry& entry : kEntries) {
    if ((entry.owners & bit) && std::wcscmp(entry.name, class_name) == 0) return &entry;
  }
  return nullptr;
}

}  // namespace

MControl* ControlFactory::Make(Owner owner, const wchar_t* class_name, MObject* parent, unsigned id,
                               CRect rect, const wchar_t* title, int visible, int enabled) {
  const Entry* entry = Find(owner, class_name);
  if (!entry || !entry->make) return nullptr;
  return entry->make(parent, id, rect, title ? title : L"", visible, enabled);
}

bool ControlFactory::Knows(Owner owner, const wchar_t* class_name) {
  return Find(owner, class_name) != nullptr;
}

}  // namespace LumoUI
