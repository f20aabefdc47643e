#include <gtest/gtest.h>

#include "tests/ui/support/TestWindow.h"

namespace {

using namespace std::chrono_literals;
using uitest::Box;
using uitest::Notice;
using uitest::Panel;
using uitest::SameColor;
using Button = platform::HeadlessWindows::Button;

// A whole session on one window: nested controls, driven only by injected input, checked by
// the notifications the window received and by the pixels it shows.
TEST(WindowSessionTest, ClickDragTabAndScrollThroughNestedControls) {
  uitest::TestWindow window;
  auto& input = window.Headless();
  auto* toolbar = static_cast<Panel*>(
      window.manager.AddControl(new Panel(&window, 100, {0, 0, 320, 60}, 0xFF303030)));
  auto* save = static_cast<Box*>(toolbar->AddChild(
      LumoUI::MControl::kControls, new Box(toolbar, 101, {10, 10, 90, 50}, 0xFF0000FF)));
  auto* content = static_cast<Panel*>(
      window.manager.AddControl(new Panel(&window, 200, {0, 60, 320, 240}, 0xFF404040)));
  auto* list = static_cast<Box*>(content->AddChild(
      LumoUI::MControl::kControls, new Box(content, 201, {20, 80, 300, 220}, 0xFF00FF00)));
  list->takes_wheel = true;
  auto* ok = static_cast<Box*>(
      window.manager.AddControl(new Box(&window, 300, {250, 200, 310, 230}, 0xFFFF0000)));
  ok->SetTabStop(1);
  content->SetTabStop(1);
  window.Settle();

  // Hover paints the button in its hover colour; a click notifies the window through the
  // toolbar.
  input.MoveMouse(window.id, {50, 30});
  window.Settle();
  EXPECT_EQ(window.PixelAt(50, 30), 0xFFFFFFFFu);
  input.Click(window.id, {50, 30});
  window.Settle();

  // A drag that leaves the button and comes back still clicks; one that ends outside does not.
  input.PressButton(window.id, Button::Left, {50, 30});
  input.MoveMouse(window.id, {200, 150});
  input.MoveMouse(window.id, {60, 40});
  input.ReleaseButton(window.id, Button::Left, {60, 40});
  input.PressButton(window.id, Button::Left, {50, 30});
  input.MoveMouse(window.id, {200, 150});
  input.ReleaseButton(window.id, Button::Left, {200, 150});
  window.Settle();
  EXPECT_EQ(window.PixelAt(50, 30), 0xFF0000FFu);  // the mouse is elsewhere now

  // Tab goes to the content panel, then the OK button; the wheel scrolls the list.
  input.TypeKey(platform::VK_TAB);
  window.Pump();
  EXPECT_EQ(window.manager.GetFocusControl(), content);
  input.TypeKey(platform::VK_TAB);
  window.Pump();
  EXPECT_EQ(window.manager.GetFocusControl(), ok);
  input.MoveMouse(window.id, {100, 150});
  input.Wheel(window.id, {100, 150}, -360);
  window.Pump();
  EXPECT_EQ(list->scrolls, (std::vector<unsigned>{1, 1, 1}));

  // Right click on the list, then hide the toolbar's button from the program's side.
  input.Click(window.id, {100, 150}, Button::Right);
  window.Pump();
  save->SetVisible(0);
  window.Settle();

  EXPECT_EQ(window.notices, (std::vector<Notice>{{101, 1, 0, 0},
                                                 {101, 2, 0, 0},
                                                 {101, 1, 0, 0},
                                                 {101, 2, 0, 0},
                                                 {101, 1, 0, 0},
                                                 {201, 5, 0, 0}}));
  EXPECT_EQ(toolbar->notices.size(), 5u);
  EXPECT_EQ(content->notices, (std::vector<Notice>{{201, 5, 0, 0}}));

  EXPECT_TRUE(SameColor(window.PixelAt(50, 30), 0xFF303030));    // the toolbar shows through
  EXPECT_TRUE(SameColor(window.PixelAt(100, 150), 0xFFFFFFFF));  // the hovered list
  EXPECT_TRUE(SameColor(window.PixelAt(305, 225), 0xFFFF0000));  // OK lies above the content
  EXPECT_TRUE(SameColor(window.PixelAt(10, 230), 0xFF404040));
}

}  // namespace
