#include "ui/core/ControlFactory.h"

#include <cwchar>
#include <iterator>

#include "ui/core/MControl.h"

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
    {L"CArea", kBoth, nullptr},             // VisibleAlwaysEnabled
    {L"MText", kBoth, nullptr},             // TitleVisible
    {L"MPicture", kBoth, nullptr},          // VisibleEnabled
    {L"CPhotoFrame", kBoth, nullptr},       // VisibleEnabled
    {L"CSliderPicture", kBoth, nullptr},    // VisibleEnabled
    {L"CGifPicture", kBoth, nullptr},       // VisibleEnabled
    {L"MProgress", kBoth, nullptr},         // VisibleEnabled
    {L"MSlider", kBoth, nullptr},           // VisibleEnabled
    {L"MLevelCtrl", kBoth, nullptr},        // VisibleEnabled
    {L"MButton", kBoth, nullptr},           // TitleVisibleEnabled
    {L"CImageButton", kBoth, nullptr},      // TitleVisibleEnabled
    {L"CTextButton", kBoth, nullptr},       // TitleVisibleEnabled
    {L"CCheckButton", kBoth, nullptr},      // TitleVisibleEnabled
    {L"CRadioButton", kBoth, nullptr},      // TitleVisibleEnabled
    {L"CColorButton", kBoth, nullptr},      // VisibleEnabled
    {L"MSpinButton", kBoth, nullptr},       // VisibleEnabled
    {L"CSpinButton", kBoth, nullptr},       // VisibleEnabled
    {L"CSwitchButton", kBoth, nullptr},     // VisibleEnabled
    {L"CIconButton", kBoth, nullptr},       // TitleVisibleEnabled
    {L"CTimerButton", kBoth, nullptr},      // TitleVisibleEnabled
    {L"CHelpButton", kBoth, nullptr},       // TitleVisibleEnabled
    {L"MEdit", kBoth, nullptr},             // TitleVisibleEnabled
    {L"MRichEdit", kBoth, nullptr},         // TitleVisibleEnabled
    {L"MEditEx", kBoth, nullptr},           // TitleVisibleEnabled
    {L"MComboBox", kBoth, nullptr},         // VisibleEnabled
    {L"MTabCtrl", kBoth, nullptr},          // VisibleEnabled
    {L"MTabLayout", kBoth, nullptr},        // Visible
    {L"MListBox", kBoth, nullptr},          // Visible
    {L"MPalette", kBoth, nullptr},          // Visible
    {L"CColorPalette", kBoth, nullptr},     // Visible
    {L"CColorSelect", kBoth, nullptr},      // Visible
    {L"CirclePalette", kBoth, nullptr},     // VisibleAlwaysEnabled
    {L"CComboBoxList", kWindow, nullptr},   // VisibleAlwaysEnabled
    {L"MenuItem", kBoth, nullptr},          // TitleVisibleAlwaysEnabled
    {L"KeyboardCtrl", kBoth, nullptr},      // Visible
    {L"CDeviceCtrl", kBoth, nullptr},       // VisibleAlwaysEnabled
    {L"BatteryCtrl", kWindow, nullptr},     // VisibleAlwaysEnabled
    {L"KeyFuncControl", kContainer, nullptr},  // Visible
    {L"DListBox", kContainer, nullptr},     // Visible
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
