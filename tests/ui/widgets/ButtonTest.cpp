#include <gtest/gtest.h>

#include "tests/ui/support/SkinFolder.h"
#include "tests/ui/support/TestWindow.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CCheckButton.h"
#include "ui/widgets/CRadioButton.h"
#include "ui/widgets/CSwitchButton.h"
#include "ui/widgets/CTextButton.h"
#include "ui/widgets/MButton.h"

namespace {

using LumoUI::CRect;
using LumoUI::MButton;
using platform::Point;
using uitest::Notice;

constexpr uint32_t kNormal = 0xFFFF0000, kHover = 0xFF00FF00, kPressed = 0xFF0000FF,
                   kDisabled = 0xFF808000, kOnNormal = 0xFF00FFFF, kOnHover = 0xFFFF00FF;

class ButtonTest : public testing::Test {
 protected:
  ButtonTest() {
    skins.WriteStrip("button.png", {kNormal, kHover, kPressed, kDisabled}, 20, 10);
    skins.WriteStrip(
        "check.png",
        {kNormal, kHover, kPressed, kDisabled, kOnNormal, kOnHover, kPressed, kDisabled}, 10, 10);
  }
  template <typename T>
  T* Make(const wchar_t* name, unsigned id, CRect rect) {
    auto* control = dynamic_cast<T*>(window.manager.CreateControl(name, id, rect, L"", 1, 1));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  std::vector<unsigned> Codes() const {
    std::vector<unsigned> codes;
    for (const Notice& n : window.notices)
      codes.push_back(n.code);
    return codes;
  }
  platform::HeadlessWindows& input() { return window.Headless(); }

  uitest::SkinFolder skins;
  uitest::TestWindow window;
};

// Each step is one injected mouse action; after it, the state and the codes sent so far.
TEST_F(ButtonTest, StateMachineFollowsTheMouse) {
  struct Step {
    enum { Move, Press, Release } action;
    Point at;
    int state;
    std::vector<unsigned> codes;
  };
  const Step inside_click[] = {
      {Step::Move, {30, 30}, MButton::StateHover, {}},
      {Step::Press, {30, 30}, MButton::StatePressed, {1}},
      {Step::Release, {30, 30}, MButton::StateHover, {1, 2}},
      {Step::Move, {200, 200}, MButton::StateNormal, {1, 2}},
  };
  const Step dragged_out[] = {
      {Step::Move, {30, 30}, MButton::StateHover, {}},
      {Step::Press, {30, 30}, MButton::StatePressed, {1}},
      {Step::Move, {200, 200}, MButton::StateNormal, {1}},
      {Step::Release, {200, 200}, MButton::StateNormal, {1}},
  };
  for (const auto& steps : {std::vector<Step>(std::begin(inside_click), std::end(inside_click)),
                            std::vector<Step>(std::begin(dragged_out), std::end(dragged_out))}) {
    window.manager.ClearAllControls();
    window.notices.clear();
    auto* button = Make<MButton>(L"MButton", 7, {20, 20, 60, 40});
    for (const Step& step : steps) {
      if (step.action == Step::Move) input().MoveMouse(window.id, step.at);
      if (step.action == Step::Press)
        input().PressButton(window.id, platform::HeadlessWindows::Button::Left, step.at);
      if (step.action == Step::Release)
        input().ReleaseButton(window.id, platform::HeadlessWindows::Button::Left, step.at);
      window.Pump();
      EXPECT_EQ(button->GetState(), step.state);
      EXPECT_EQ(Codes(), step.codes);
    }
  }
}

TEST_F(ButtonTest, EachStateDrawsItsFrameOfTheStrip) {
  auto* button = Make<MButton>(L"MButton", 7, {20, 20, 40, 30});
  ASSERT_TRUE(button->SetImage(L"button.png", 4));
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(25, 25), kNormal));
  input().MoveMouse(window.id, {25, 25});
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(25, 25), kHover));
  input().PressButton(window.id, platform::HeadlessWindows::Button::Left, {25, 25});
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(25, 25), kPressed));
  input().ReleaseButton(window.id, platform::HeadlessWindows::Button::Left, {25, 25});
  button->SetEnabled(0);
  window.Settle();
  EXPECT_EQ(button->GetState(), MButton::StateDisabled);
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(25, 25), kDisabled));
  // Disabled, a click does nothing.
  window.notices.clear();
  input().Click(window.id, {25, 25});
  window.Pump();
  EXPECT_TRUE(window.notices.empty());
  button->SetEnabled(1);
  EXPECT_EQ(button->GetState(), MButton::StateNormal);
}

TEST_F(ButtonTest, AMissingImageDrawsNothingAndKeepsTheButtonWorking) {
  auto* button = Make<MButton>(L"MButton", 7, {20, 20, 40, 30});
  EXPECT_FALSE(button->SetImage(L"missing.png", 4));
  skins.WriteBytes("broken.png", "not a picture");
  EXPECT_FALSE(button->SetImage(L"broken.png", 4));
  window.Settle();
  const uint32_t back = window.PixelAt(25, 25);
  EXPECT_TRUE(uitest::SameColor(back, window.PixelAt(100, 100)));
  input().Click(window.id, {25, 25});
  window.Pump();
  EXPECT_EQ(Codes(), (std::vector<unsigned>{1, 2}));
}

TEST_F(ButtonTest, TextButtonColoursFollowTheState) {
  auto* button = Make<LumoUI::CTextButton>(L"CTextButton", 3, {0, 0, 10, 10});
  button->SetTextButtonColor(1, 2, 3, 4);
  EXPECT_EQ(button->GetStateColor(MButton::StateHover).argb, 2u);
  EXPECT_EQ(button->GetStateColor(MButton::StateDisabled).argb, 4u);
  EXPECT_EQ(button->GetStateColor(99).argb, 1u);
}

TEST_F(ButtonTest, CheckBoxSetCheckClickAndSpace) {
  auto* box = Make<LumoUI::CCheckButton>(L"CCheckButton", 4, {20, 20, 100, 30});
  ASSERT_TRUE(box->SetImage(L"check.png", 8));

  box->SetEnabled(0);
  EXPECT_EQ(box->SetCheck(1), 0);
  EXPECT_EQ(box->GetCheck(), 0);
  box->SetEnabled(1);
  EXPECT_EQ(box->SetCheck(1), 1);
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(25, 25), kOnNormal));

  input().Click(window.id, {25, 25});
  window.Pump();
  EXPECT_EQ(box->GetCheck(), 0);
  EXPECT_EQ(Codes(), (std::vector<unsigned>{1, 2}));

  // The click gave it the focus: Space toggles and reports the new state.
  window.notices.clear();
  input().TypeKey(platform::VK_SPACE);
  window.Pump();
  EXPECT_EQ(box->GetCheck(), 1);
  EXPECT_EQ(window.notices, (std::vector<Notice>{{4, LumoUI::NOTIFY_KEY_CHECKED, 0, 1}}));
}

TEST_F(ButtonTest, RadioButtonsOfOneGroupUnderOneParentExcludeEachOther) {
  auto* a = Make<LumoUI::CRadioButton>(L"CRadioButton", 1, {0, 0, 50, 10});
  auto* b = Make<LumoUI::CRadioButton>(L"CRadioButton", 2, {0, 10, 50, 20});
  auto* other_group = Make<LumoUI::CRadioButton>(L"CRadioButton", 3, {0, 20, 50, 30});
  a->SetGroupName(L"speed");
  b->SetGroupName(L"speed");
  other_group->SetGroupName(L"mode");
  EXPECT_STREQ(a->GetClassNameW(), L"RadioButton");
  other_group->SetCheck(1);
  a->SetCheck(1);
  b->SetCheck(1);
  EXPECT_EQ(a->GetCheck(), 0);
  EXPECT_EQ(b->GetCheck(), 1);
  EXPECT_EQ(other_group->GetCheck(), 1);
  // A click turns one on, never off.
  input().Click(window.id, {5, 5});
  input().Click(window.id, {5, 5});
  window.Pump();
  EXPECT_EQ(a->GetCheck(), 1);
  EXPECT_EQ(b->GetCheck(), 0);
  // Disabled, it keeps its check.
  a->SetEnabled(0);
  EXPECT_EQ(a->SetCheck(0), 1);
}

TEST_F(ButtonTest, SwitchReportsItsNewStateWithTheClick) {
  auto* toggle = Make<LumoUI::CSwitchButton>(L"CSwitchButton", 9, {0, 0, 40, 20});
  input().Click(window.id, {10, 10});
  window.Pump();
  EXPECT_EQ(toggle->GetSwitch(), 1);
  ASSERT_EQ(window.notices.size(), 2u);
  EXPECT_EQ(window.notices[1], (Notice{9, LumoUI::NOTIFY_CLICKED, 0, 1}));
}

}  // namespace
