// The combo box with its drop-down window and the popup menu, on the headless back end.
#include <gtest/gtest.h>

#include "tests/ui/support/SkinFolder.h"
#include "tests/ui/support/TestWindow.h"
#include "ui/core/Manager.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CComboBoxList.h"
#include "ui/widgets/ComboWnd.h"
#include "ui/widgets/MComboBox.h"
#include "ui/widgets/MEdit.h"
#include "ui/widgets/MenuItem.h"
#include "ui/widgets/MenuWnd.h"

namespace {

using LumoUI::CRect;
using platform::HeadlessWindows;

TEST(ComboWndPlacement, HeightAndSide) {
  const CRect work{0, 0, 1920, 1040};
  struct Case {
    const char* name;
    CRect box;
    int count;
    CRect expected;
  };
  const Case cases[] = {
      {"3 items below the box", {100, 100, 300, 132}, 3, {104, 134, 294, 236}},
      {"8 items show five rows", {100, 100, 300, 132}, 8, {104, 134, 294, 296}},
      {"no items: the margins", {100, 100, 300, 132}, 0, {104, 134, 294, 146}},
      {"near the bottom: above the box", {100, 960, 300, 992}, 3, {104, 856, 294, 958}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LumoUI::ComboWnd::PopupRect(c.box, c.count, work), c.expected);
  }
}

// Each drawn state of the edit, the combo box and a menu row, read back from the window: the
// frame of the state strip that state draws, and the menu row's hover fill.
TEST(PopupWidgetsLook, EachStateDrawsItsFrame) {
  constexpr uint32_t kNormal = 0xFFFF0000, kHover = 0xFF00FF00, kPressed = 0xFF0000FF,
                     kDisabled = 0xFF808000;
  uitest::SkinFolder skins;
  skins.WriteStrip("states.png", {kNormal, kHover, kPressed, kDisabled}, 16, 16);
  struct Probe {
    platform::Point at;
    uint32_t normal, hover, pressed, disabled;
  };
  struct Case {
    const wchar_t* name;
    CRect rect;
    std::vector<Probe> probes;
  };
  const uint32_t select = LumoUI::Manager::GetSelectColor().argb;
  const Case cases[] = {
      {L"MEdit", {20, 20, 220, 52}, {{{23, 23}, kNormal, kHover, kPressed, kDisabled}}},
      // A skinned box draws no arrow of its own over the picture's.
      {L"MComboBox",
       {20, 20, 220, 52},
       {{{23, 23}, kNormal, kHover, kPressed, kDisabled},
        {{205, 39}, kNormal, kHover, kPressed, kDisabled}}},
      // The icon in its column; the row behind it filled while the mouse is on it.
      {L"MenuItem",
       {20, 20, 220, 55},
       {{{20 + 18, 37}, kNormal, kHover, kPressed, kDisabled}, {{215, 37}, 0, select, select, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    uitest::TestWindow window;
    auto* control = dynamic_cast<LumoUI::MControlFont*>(
        window.manager.CreateControl(c.name, 7, c.rect, L"", 1, 1));
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->SetImage(L"states.png", 4));
    window.Settle();
    const uint32_t background = window.PixelAt(300, 200);
    const auto check = [&](uint32_t Probe::*state) {
      window.Settle();
      for (const Probe& probe : c.probes) {
        const uint32_t expected = probe.*state ? probe.*state : background;
        EXPECT_TRUE(uitest::SameColor(window.PixelAt(probe.at.x, probe.at.y), expected))
            << std::hex << window.PixelAt(probe.at.x, probe.at.y) << " at " << std::dec
            << probe.at.x << "," << probe.at.y << " instead of " << std::hex << expected;
      }
    };
    check(&Probe::normal);
    const platform::Point inside{c.rect.left + 60, c.rect.top + 10};
    window.Headless().MoveMouse(window.id, inside);
    check(&Probe::hover);
    window.Headless().PressButton(window.id, HeadlessWindows::Button::Left, inside);
    check(&Probe::pressed);
    control->SetEnabled(0);
    window.Headless().ReleaseButton(window.id, HeadlessWindows::Button::Left, {300, 200});
    window.Headless().MoveMouse(window.id, {300, 200});
    check(&Probe::disabled);
  }
}

class ComboBoxTest : public testing::Test {
 protected:
  ComboBoxTest() {
    combo = static_cast<LumoUI::MComboBox*>(
        window.manager.CreateControl(L"MComboBox", 9, {20, 20, 220, 52}, L"", 1, 1));
    for (long i = 0; i < 3; ++i)
      combo->AddItem((L"Mode " + std::to_wstring(i)).c_str(), 10 + i);
    window.Settle();
  }
  void Click(platform::WindowId target, platform::Point point) {
    window.Headless().MoveMouse(target, point);
    window.Headless().Click(target, point);
    window.Pump();
  }
  uitest::TestWindow window;
  LumoUI::MComboBox* combo;
};

TEST_F(ComboBoxTest, SelectionByIndexAndData) {
  struct Case {
    const char* name;
    bool by_data;
    long value;
    long result;
    int selection_after;
  };
  const Case cases[] = {
      {"index in range", false, 2, 1, 2},
      {"index out of range leaves it", false, 3, 0, 2},
      {"-1 clears", false, -1, 1, -1},
      {"known data", true, 11, 1, 1},
      {"unknown data leaves it", true, 99, -1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const long result = c.by_data ? combo->SelectData(c.value) : combo->SetCurSel(int(c.value));
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(combo->GetCurSel(), c.selection_after);
  }
  EXPECT_EQ(combo->GetCurData(), 11);
  EXPECT_EQ(combo->GetItemText(7), L"");
  EXPECT_FALSE(combo->DeleteItem(-2));
}

TEST_F(ComboBoxTest, ClickOpensThePopupAndARowIsPicked) {
  Click(window.id, {60, 36});
  ASSERT_TRUE(combo->IsDroppedDown());
  const platform::WindowId popup = combo->GetDropDown()->GetSafeHwnd();
  const platform::Rect rect = window.windows->GetWindowRect(popup);
  EXPECT_EQ(rect.Height(), 102);
  EXPECT_EQ(rect.top, 100 + 52 + 2);
  EXPECT_EQ(window.windows->GetActive(), popup);

  window.notices.clear();
  Click(popup, {40, 6 + 30 + 15});  // the second row
  EXPECT_EQ(combo->GetCurSel(), 1);
  ASSERT_FALSE(window.notices.empty());
  EXPECT_EQ(window.notices.back(), (uitest::Notice{9, LumoUI::NOTIFY_CLICKED, 0, 1}));
  EXPECT_FALSE(combo->IsDroppedDown());
  EXPECT_EQ(window.windows->GetActive(), window.id);
}

TEST_F(ComboBoxTest, PopupClosesOnDeactivationAndScrollsPastFive) {
  for (long i = 3; i < 8; ++i)
    combo->AddItem(L"More", i);
  ASSERT_TRUE(combo->ShowDropDown());
  window.Pump();
  EXPECT_EQ(window.windows->GetWindowRect(combo->GetDropDown()->GetSafeHwnd()).Height(), 162);
  EXPECT_EQ(combo->GetDropDown()->GetList()->GetItemCount(), 8);
  window.windows->Activate(window.id);
  window.Pump();
  EXPECT_FALSE(combo->IsDroppedDown());
  EXPECT_EQ(combo->GetCurSel(), -1);
}

class MenuTest : public testing::Test {
 protected:
  static constexpr unsigned kMenuMessage = platform::WM_APP + 7;

  // Records what the menu posts to its owner.
  struct Owner : platform::WindowHandler {
    platform::LParam OnWindowMessage(platform::WindowId, uint32_t message, platform::WParam,
                                     platform::LParam lparam) override {
      if (message == kMenuMessage) chosen.push_back(lparam);
      return 0;
    }
    std::vector<platform::LParam> chosen;
  };

  MenuTest() {
    platform::WindowParams params;
    params.style = platform::WS_POPUP | platform::WS_VISIBLE;
    params.rect = {0, 0, 100, 100};
    params.handler = &owner;
    owner_id = window.windows->Create(params);
    menu = new LumoUI::MenuWnd(nullptr);
  }
  ~MenuTest() override {
    delete menu;
    window.windows->Destroy(owner_id);
  }

  uitest::TestWindow window;
  Owner owner;
  platform::WindowId owner_id = 0;
  LumoUI::MenuWnd* menu;
};

TEST_F(MenuTest, RowsSeparatorsAndChoice) {
  ASSERT_TRUE(
      menu->Create(owner_id, {300, 300}, kMenuMessage, L"", 120, 0, LumoUI::BackModeNatural));
  menu->AddMenu(L"Rename", 41);
  menu->AddSeparator();
  menu->AddMenu(L"Delete this profile for good", 42);
  window.Pump();
  const platform::WindowId id = menu->GetSafeHwnd();
  EXPECT_EQ(window.windows->GetWindowRect(id).Height(), 6 + 35 + 4 + 35 + 6);
  EXPECT_GT(window.windows->GetWindowRect(id).Width(), 120);
  menu->SetMargin(0, 0);
  EXPECT_EQ(menu->MenuHeight(), 2 + 35 + 4 + 35 + 2);
  EXPECT_TRUE(menu->SetItemVisible(L"Rename", 0));
  EXPECT_EQ(menu->MenuHeight(), 2 + 4 + 35 + 2);
  EXPECT_FALSE(menu->SetItemCheck(L"No such item", 1));

  const platform::Point row{30, 2 + 4 + 17};
  window.Headless().MoveMouse(id, row);
  window.Headless().Click(id, row);
  window.Pump();
  EXPECT_EQ(owner.chosen, (std::vector<platform::LParam>{42}));
  EXPECT_FALSE(window.windows->IsWindow(id));
}

TEST_F(MenuTest, ClosesOnDeactivation) {
  ASSERT_TRUE(
      menu->Create(owner_id, {300, 300}, kMenuMessage, L"", 120, 0, LumoUI::BackModeNatural));
  menu->AddMenu(L"Rename", 41);
  window.Pump();
  const platform::WindowId id = menu->GetSafeHwnd();
  window.windows->Activate(owner_id);
  window.Pump();
  EXPECT_FALSE(window.windows->IsWindow(id));
  EXPECT_TRUE(owner.chosen.empty());
}

}  // namespace
