#include <gtest/gtest.h>

#include "tests/ui/support/SkinFolder.h"
#include "tests/ui/support/TestWindow.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/MTabCtrl.h"
#include "ui/widgets/MTabLayout.h"

namespace {

using LumoUI::CRect;
using LumoUI::MTabCtrl;
using uitest::Notice;

constexpr uint32_t kFrame0 = 0xFFFF0000, kFrame1 = 0xFF00FF00, kFrame2 = 0xFF0000FF;

class TabCtrlTest : public testing::Test {
 protected:
  TabCtrlTest() {
    skins.WriteStrip("tab.png", {kFrame0, kFrame1, kFrame2}, 20, 20);
    tabs = dynamic_cast<MTabCtrl*>(
        window.manager.CreateControl(L"MTabCtrl", 3, {0, 0, 80, 300}, L"", 1, 1));
  }
  void AddTabs(int count) {
    for (int i = 0; i < count; ++i) {
      auto* page =
          window.manager.CreateControl(L"MTabLayout", 100 + i, {100, 0, 300, 200}, L"", 1, 1);
      pages.push_back(page);
      tabs->InsertItem(10 + i, L"Tab", L"tab.png", page, -1, 80);
    }
  }
  uitest::SkinFolder skins;
  uitest::TestWindow window;
  MTabCtrl* tabs;
  std::vector<LumoUI::MControl*> pages;
};

TEST_F(TabCtrlTest, ItemSizeFromPreferredAndMinimum) {
  ASSERT_NE(tabs, nullptr);
  AddTabs(5);  // 300 pixels of strip: 60 per tab
  struct Case {
    int preferred, minimum, expected;
  };
  for (const Case& c : {Case{80, 80, 80}, Case{80, 40, 60}, Case{80, 0, 80}, Case{50, 40, 50}}) {
    tabs->SetItemHeight(c.preferred, c.minimum, 1);
    EXPECT_EQ(tabs->GetItemHeight(), c.expected) << c.preferred << "/" << c.minimum;
    EXPECT_EQ(tabs->GetItemInfo(4)->rect.top, 4 * c.expected);
    EXPECT_EQ(tabs->GetItemInfo(4)->rect.Height(), c.expected);
  }
  tabs->SetTopBottomPading(20, 0);
  tabs->SetItemVisible(1, 0);
  tabs->RelayoutTabs();
  EXPECT_EQ(tabs->GetItemInfo(2)->rect.top, 20 + tabs->GetItemHeight());
  EXPECT_EQ(tabs->GetItemInfo(99), nullptr);
  EXPECT_EQ(tabs->GetItemID(99), 0u);
  EXPECT_EQ(tabs->GetItemID(2), 12u);
}

TEST_F(TabCtrlTest, SelectionSendsCodeTwoOnlyOnARealChangeAndSwitchesPages) {
  AddTabs(3);
  EXPECT_EQ(tabs->SetSelectItem(1), -1);
  EXPECT_EQ(tabs->SetSelectItem(1), 1);
  EXPECT_EQ(tabs->SetSelectItem(7), 1);
  EXPECT_EQ(tabs->SetSelectItem(-1), 1);
  EXPECT_EQ(window.notices, (std::vector<Notice>{{3, LumoUI::NOTIFY_CLICKED, 1, 0}}));
  EXPECT_FALSE(pages[0]->IsVisible());
  EXPECT_TRUE(pages[1]->IsVisible());
  EXPECT_EQ(tabs->SetSelectItem(2), 1);
  EXPECT_FALSE(pages[1]->IsVisible());
  EXPECT_TRUE(pages[2]->IsVisible());
}

TEST_F(TabCtrlTest, StripShowsCopyZeroHoverFromCopyOneAndSelectionFromCopyTwo) {
  AddTabs(3);
  tabs->SetSelectItem(0);
  window.Headless().MoveMouse(window.id, {40, 120});  // over tab 1
  window.Settle();
  // Icons sit centred, at top + (80 - 20 - 25) / 2 = 17.
  const auto icon_pixel = [&](int tab) { return window.PixelAt(40, tab * 80 + 17 + 10); };
  EXPECT_TRUE(uitest::SameColor(icon_pixel(0), kFrame2));
  EXPECT_TRUE(uitest::SameColor(icon_pixel(1), kFrame1));
  EXPECT_TRUE(uitest::SameColor(icon_pixel(2), kFrame0));

  window.Headless().Click(window.id, {40, 120});
  window.Settle();
  EXPECT_EQ(tabs->GetSelectItem(), 1);
  EXPECT_TRUE(uitest::SameColor(icon_pixel(1), kFrame2));
  EXPECT_TRUE(uitest::SameColor(icon_pixel(0), kFrame0));
}

TEST_F(TabCtrlTest, APressOnATabButtonSendsCodeNine) {
  AddTabs(2);
  tabs->GetItemInfo(1)->button_rect = {60, 80, 80, 100};
  window.Headless().MoveMouse(window.id, {70, 90});
  window.Headless().PressButton(window.id, platform::HeadlessWindows::Button::Left, {70, 90});
  window.Pump();
  EXPECT_EQ(window.notices, (std::vector<Notice>{{3, LumoUI::NOTIFY_INNER_PRESSED, 1, 0}}));
}

}  // namespace
