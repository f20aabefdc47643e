#include <gtest/gtest.h>

#include "tests/ui/support/TestWindow.h"
#include "ui/widgets/CArea.h"
#include "ui/widgets/MButton.h"
#include "ui/widgets/MPanel.h"
#include "ui/widgets/MScroll.h"
#include "ui/widgets/MText.h"

namespace {

using LumoUI::CRect;

// How the factory's title, visible and enabled arguments reach each constructor shape.
TEST(WidgetFactoryTest, ConstructorShapesTakeTheirArguments) {
  uitest::TestWindow window;
  struct Case {
    const wchar_t* name;
    bool keeps_title;
    bool disabled_stays_disabled;
  };
  const Case cases[] = {
      {L"MButton", true, true},      {L"CCheckButton", true, true},
      {L"MText", true, false},       {L"CArea", false, false},
      {L"MSlider", false, true},     {L"MTabCtrl", false, true},
      {L"MTabLayout", false, false}, {L"MListBox", false, false},
      {L"CGifPicture", false, true}, {L"MSpinButton", false, true},
      {L"MEdit", true, true},        {L"MComboBox", false, true},
      {L"MenuItem", true, false},    {L"CComboBoxList", false, false},
      {L"MRichEdit", true, true},    {L"MEditEx", true, true},
      {L"CSpinButton", false, true},
  };
  for (const Case& c : cases) {
    LumoUI::MControl* control =
        window.manager.CreateControl(c.name, 9, {0, 0, 10, 10}, L"hello", 0, 0);
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_FALSE(control->IsVisible()) << c.name;
    auto* text = dynamic_cast<LumoUI::MControlFont*>(control);
    EXPECT_EQ(text && text->GetTitle() == L"hello", c.keeps_title) << c.name;
    EXPECT_EQ(!control->IsEnabled(), c.disabled_stays_disabled) << c.name;
    EXPECT_EQ(control->GetManager(), &window.manager) << c.name;
  }
}

TEST(PanelTest, ChildrenScrollAndTheirNotificationsPassThrough) {
  uitest::TestWindow window;
  auto* panel = dynamic_cast<LumoUI::MPanel*>(
      window.manager.CreateControl(L"MTabLayout", 20, {0, 0, 100, 100}, L"", 1, 1));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->CreateControl(3, L"MButton", 1, {}, L"", 1, 1, nullptr), nullptr);
  auto* button = dynamic_cast<LumoUI::MButton*>(
      panel->CreateControl(L"MButton", 30, {0, 150, 50, 180}, L"", 1, 1));
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(panel->GetVerticalBar()->IsVisible());
  EXPECT_FALSE(panel->GetHorizontalBar()->IsVisible());
  EXPECT_EQ(panel->GetVerticalBar()->GetRect(), CRect(93, 0, 100, 100));
  EXPECT_EQ(panel->GetVerticalBar()->GetControlID(), 1u);

  panel->SetScrollPos({0, 500});
  EXPECT_EQ(panel->GetScrollPos().y, 80);  // content 180 high in a 100-pixel view
  window.Headless().MoveMouse(window.id, {20, 80});
  window.Headless().Click(window.id, {20, 80});  // content y = 160: the button
  window.Pump();
  EXPECT_EQ(window.notices, (std::vector<uitest::Notice>{{30, 1, 0, 0}, {30, 2, 0, 0}}));
}

}  // namespace
