#include <gtest/gtest.h>

#include <thread>

#include "tests/ui/support/TestWindow.h"

namespace {

using namespace std::chrono_literals;
using LumoUI::CRect;
using platform::VK_SHIFT;
using platform::VK_TAB;
using uitest::Box;
using uitest::Notice;
using uitest::Panel;
using Button = platform::HeadlessWindows::Button;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr uint32_t kGrey = 0xFF808080, kYellow = 0xFFFFFF00, kDark = 0xFF202020;

// A nested tree in a 320 x 240 window: a left panel with two buttons, a right panel in front
// of it (they overlap between x 100 and 150) with one button, and a decoration strip that does
// not take the mouse.
class RoutingTest : public testing::Test {
 protected:
  RoutingTest() {
    left = AddPanel(10, {10, 10, 150, 150}, kBlue);
    a = AddBox(left, 11, {20, 20, 80, 60}, kRed);
    b = AddBox(left, 12, {20, 80, 80, 120}, kGreen);
    right = AddPanel(20, {100, 30, 300, 200}, kGrey);
    c = AddBox(right, 21, {200, 50, 260, 90}, kYellow);
    decoration = static_cast<Box*>(
        window.manager.AddControl(new Box(&window, 30, {10, 205, 300, 230}, kDark, 0)));
    window.Settle();
  }

  Panel* AddPanel(unsigned id, CRect rect, uint32_t argb) {
    return static_cast<Panel*>(window.manager.AddControl(new Panel(&window, id, rect, argb)));
  }
  static Box* AddBox(Panel* panel, unsigned id, CRect rect, uint32_t argb) {
    return static_cast<Box*>(
        panel->AddChild(LumoUI::MControl::kControls, new Box(panel, id, rect, argb)));
  }
  platform::HeadlessWindows& input() { return window.Headless(); }
  void Move(int x, int y) {
    input().MoveMouse(window.id, {x, y});
    window.Pump();
  }
  void Click(int x, int y) {
    input().Click(window.id, {x, y});
    window.Pump();
  }

  uitest::TestWindow window;
  Panel* left;
  Panel* right;
  Box* a;
  Box* b;
  Box* c;
  Box* decoration;
};

TEST_F(RoutingTest, HoverIsTheTopmostControlUnderTheMouse) {
  Move(40, 40);
  EXPECT_EQ(window.manager.GetHoverControl(), left);
  EXPECT_TRUE(a->hovered);
  Move(120, 40);  // both panels contain the point; the later one is in front
  EXPECT_EQ(window.manager.GetHoverControl(), right);
  EXPECT_FALSE(a->hovered);
  Move(50, 215);  // the decoration ignores the mouse
  EXPECT_EQ(window.manager.GetHoverControl(), nullptr);
}

TEST_F(RoutingTest, ClicksReachTheFrontControlAndNotifyTheWindowThroughItsContainer) {
  Click(40, 40);
  const std::vector<Notice> a_click{{11, 1, 0, 0}, {11, 2, 0, 0}};
  EXPECT_EQ(left->notices, a_click);
  EXPECT_EQ(window.notices, a_click);

  window.notices.clear();
  Click(120, 100);  // overlap: the right panel is hit, and it has no child there
  EXPECT_TRUE(window.notices.empty());
  Click(230, 70);
  EXPECT_EQ(window.notices, (std::vector<Notice>{{21, 1, 0, 0}, {21, 2, 0, 0}}));
  EXPECT_TRUE(left->notices == a_click);
}

TEST_F(RoutingTest, APressCapturesTheMouseAndAReleaseOutsideSendsNoClick) {
  input().PressButton(window.id, Button::Left, {40, 40});
  window.Pump();
  EXPECT_EQ(input().GetCapture(), window.id);
  EXPECT_EQ(window.manager.GetFocusControl(), a);

  Move(250, 220);  // dragged out: the pressed button keeps receiving moves
  EXPECT_FALSE(a->hovered);
  Move(50, 50);
  EXPECT_TRUE(a->hovered);
  Move(250, 220);

  input().ReleaseButton(window.id, Button::Left, {250, 220});
  window.Pump();
  EXPECT_EQ(input().GetCapture(), 0u);
  EXPECT_EQ(window.notices, (std::vector<Notice>{{11, 1, 0, 0}}));
  ASSERT_EQ(a->ups.size(), 1u);
  EXPECT_EQ(a->ups[0], (LumoUI::CPoint{250, 220}));
  EXPECT_EQ(window.manager.GetHoverControl(), nullptr);
}

TEST_F(RoutingTest, LeavingTheWindowUnhoversAndLosingActivationReleasesAHeldButton) {
  Move(40, 40);
  input().LeaveWindows();
  window.Pump();
  EXPECT_FALSE(a->hovered);
  EXPECT_EQ(window.manager.GetHoverControl(), nullptr);

  input().PressButton(window.id, Button::Left, {40, 100});
  window.Pump();
  ASSERT_TRUE(b->pressed);
  input().Activate(0);  // another program takes the focus
  window.Pump();
  EXPECT_FALSE(b->pressed);
  ASSERT_EQ(b->ups.size(), 1u);
  EXPECT_EQ(b->ups[0], (LumoUI::CPoint{-1, -1}));
  EXPECT_EQ(input().GetCapture(), 0u);
  EXPECT_EQ(window.notices, (std::vector<Notice>{{12, 1, 0, 0}}));
  EXPECT_EQ(window.manager.GetHoverControl(), nullptr);
}

TEST_F(RoutingTest, ADoubleClickIsASecondPressForButtonsAndADoubleClickForContainers) {
  Click(40, 40);
  Click(40, 40);  // within the double-click time: the second press arrives as a double click
  EXPECT_EQ(window.notices,
            (std::vector<Notice>{{11, 1, 0, 0}, {11, 2, 0, 0}, {11, 1, 0, 0}, {11, 2, 0, 0}}));
  EXPECT_EQ(left->double_clicks, 0);

  window.Advance(1s);
  Click(120, 180);  // the right panel itself, where it has no child
  Click(120, 180);
  EXPECT_EQ(right->double_clicks, 1);
}

TEST_F(RoutingTest, WheelNotchesGoToTheControlUnderTheMouse) {
  c->takes_wheel = true;
  Move(230, 70);
  input().Wheel(window.id, {230, 70}, -240);
  input().Wheel(window.id, {230, 70}, 360);
  input().Wheel(window.id, {230, 70}, 60);  // less than a notch
  window.Pump();
  EXPECT_EQ(c->scrolls, (std::vector<unsigned>{1, 1, 0, 0, 0}));
  a->takes_wheel = true;
  input().Wheel(window.id, {230, 70}, -120);
  window.Pump();
  EXPECT_TRUE(a->scrolls.empty());
}

TEST_F(RoutingTest, PressingAFreeAreaDragsTheWindowWhenEnabled) {
  const platform::Rect start = input().GetWindowRect(window.id);
  input().PressButton(window.id, Button::Left, {50, 215});  // the decoration: a free area
  window.Pump();
  EXPECT_TRUE(input().IsMoveDragging());
  input().MoveMouse(window.id, {80, 235});
  input().ReleaseButton(window.id, Button::Left, {80, 235});
  window.Pump();
  EXPECT_EQ(input().GetWindowRect(window.id).left, start.left + 30);
  EXPECT_EQ(input().GetWindowRect(window.id).top, start.top + 20);

  input().PressButton(window.id, Button::Left, {40, 40});  // a control never drags
  window.Pump();
  EXPECT_FALSE(input().IsMoveDragging());
  input().ReleaseButton(window.id, Button::Left, {40, 40});

  window.manager.EnableWndDrag(0);
  input().PressButton(window.id, Button::Left, {50, 215});
  window.Pump();
  EXPECT_FALSE(input().IsMoveDragging());
  input().ReleaseButton(window.id, Button::Left, {50, 215});
  window.Pump();
}

TEST_F(RoutingTest, TooltipShowsOverItsControlAndHidesWhenTheMouseLeaves) {
  a->SetTooltip(L"Record a macro");
  Move(40, 40);
  auto* tip = window.manager.GetToolTip();
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->IsShown());
  EXPECT_EQ(tip->Text(), L"Record a macro");
  EXPECT_TRUE(input().IsVisible(tip->Window()));
  EXPECT_EQ(window.manager.GetTooltipCtrlID(), 11);
  Move(40, 100);
  EXPECT_FALSE(tip->IsShown());
  EXPECT_FALSE(input().IsVisible(tip->Window()));
}

// Three top-level boxes; tab stops are chosen per case.
class FocusTest : public testing::Test {
 protected:
  FocusTest() {
    for (unsigned i = 0; i < 3; ++i) {
      const int x = 10 + 40 * static_cast<int>(i);
      boxes[i] = static_cast<Box*>(
          window.manager.AddControl(new Box(&window, i + 1, {x, 10, x + 30, 40}, kRed)));
    }
  }
  void Tab(bool shift = false) {
    if (shift) window.Headless().PressKey(VK_SHIFT);
    window.Headless().TypeKey(VK_TAB);
    if (shift) window.Headless().ReleaseKey(VK_SHIFT);
    window.Pump();
  }

  uitest::TestWindow window;
  Box* boxes[3];
};

TEST_F(FocusTest, TabMovesThroughFocusableControlsAndWraps) {
  boxes[0]->SetTabStop(1);
  boxes[2]->SetTabStop(1);
  Tab();
  EXPECT_EQ(window.manager.GetFocusControl(), boxes[0]);
  Tab();
  EXPECT_EQ(window.manager.GetFocusControl(), boxes[2]);
  Tab();
  EXPECT_EQ(window.manager.GetFocusControl(), boxes[0]);
  Tab(true);
  EXPECT_EQ(window.manager.GetFocusControl(), boxes[2]);
  EXPECT_EQ(boxes[0]->focus_changes, (std::vector<int>{1, 0, 1, 0}));
  boxes[0]->SetEnabled(0);
  boxes[2]->keys.clear();
  Tab();
  // Nothing else to go to: the focus stays and the Tab is passed on as a key.
  EXPECT_EQ(window.manager.GetFocusControl(), boxes[2]);
  EXPECT_EQ(boxes[2]->keys, (std::vector<std::pair<unsigned, unsigned>>{{VK_TAB, 0}}));
}

TEST_F(FocusTest, ATabWithNothingFocusableIsPassedOnToTheControls) {
  Tab();
  EXPECT_EQ(window.manager.GetFocusControl(), nullptr);
  ASSERT_EQ(boxes[0]->keys.size(), 1u);
  EXPECT_EQ(boxes[0]->keys[0], (std::pair<unsigned, unsigned>{VK_TAB, 0}));
}

TEST(ModifierValueTest, AltWinsOverShiftAndCtrlIsOredIn) {
  using LumoUI::PaintManager;
  EXPECT_EQ(PaintManager::ModifierValue(false, false, false), 0u);
  EXPECT_EQ(PaintManager::ModifierValue(false, true, false), 16u);
  EXPECT_EQ(PaintManager::ModifierValue(true, true, false), 18u);
  EXPECT_EQ(PaintManager::ModifierValue(false, false, true), 17u);
  EXPECT_EQ(PaintManager::ModifierValue(false, true, true), 17u);
}

// Overlapping top-level boxes: x below y, z elsewhere.
class RepaintTest : public testing::Test {
 protected:
  RepaintTest() {
    x = Add(1, {10, 10, 60, 60});
    y = Add(2, {40, 40, 100, 100});
    z = Add(3, {200, 200, 220, 220});
    window.Settle();
  }
  Box* Add(unsigned id, CRect rect) {
    return static_cast<Box*>(window.manager.AddControl(new Box(&window, id, rect, kRed)));
  }
  platform::Rect Pending() { return window.Headless().PendingUpdate(window.id); }

  uitest::TestWindow window;
  Box *x, *y, *z;
};

TEST_F(RepaintTest, ARequestAlsoRedrawsWhatLiesAboveTheChangedControl) {
  x->UpdateControl(1, 0);
  EXPECT_EQ(Pending(), (platform::Rect{10, 10, 100, 100}));
  EXPECT_EQ(y->GetUpdate(), 0);
  window.Settle();
  y->UpdateMemDC(1, 1);
  x->UpdateMemDC(1, 1);
  y->UpdateControl(1, 0);  // nothing lies above y
  EXPECT_EQ(Pending(), (platform::Rect{40, 40, 100, 100}));
  EXPECT_EQ(x->GetUpdate(), 1);
}

TEST_F(RepaintTest, ALayeredWindowRepaintsWholeAndHiddenControlsRequestNothing) {
  z->SetVisible(0);
  window.Settle();
  z->UpdateControl(1, 0);
  EXPECT_TRUE(Pending().IsEmpty());
  window.manager.SetLayeredWindow(1);
  window.Settle();
  x->UpdateControl(0, 0);
  EXPECT_EQ(Pending(), (platform::Rect{0, 0, 320, 240}));
}

TEST_F(RepaintTest, RequestsFromAnotherThreadArePaintedOnTheWindowsThread) {
  const int presents = window.Headless().PresentCount(window.id);
  std::thread worker([this] { x->UpdateControl(1, 0); });
  worker.join();
  EXPECT_EQ(Pending(), (platform::Rect{10, 10, 60, 60}));
  window.Settle();
  // The request was widened to what lies above x once it reached the window's thread.
  EXPECT_EQ(window.Headless().LastPresented(window.id), (platform::Rect{10, 10, 100, 100}));
  EXPECT_EQ(window.Headless().PresentCount(window.id), presents + 1);
}

TEST_F(RepaintTest, PresentsAreSpacedAFrameApartWithoutWaiting) {
  const int presents = window.Headless().PresentCount(window.id);
  x->UpdateControl(0, 0);
  window.Pump();
  EXPECT_EQ(window.Headless().PresentCount(window.id), presents + 1);
  z->UpdateControl(0, 0);
  window.Pump();
  y->UpdateControl(0, 0);
  window.Pump();
  // Within the same frame: both requests wait, gathered, for the frame timer.
  EXPECT_EQ(window.Headless().PresentCount(window.id), presents + 1);
  EXPECT_TRUE(window.Clock().Sleeps().empty());
  window.Advance(16ms);
  EXPECT_EQ(window.Headless().PresentCount(window.id), presents + 2);
  EXPECT_EQ(window.Headless().LastPresented(window.id), (platform::Rect{40, 40, 220, 220}));
  EXPECT_FALSE(window.Headless().HasTimer(window.id, LumoUI::PaintManager::kFrameTimer));
}

TEST(PaintTest, ASmallTreeIsDrawnInListOrderOverTheBackground) {
  uitest::TestWindow window;
  window.manager.SetBackColor(LumoUI::RGB(0x10, 0x20, 0x30), LumoUI::RGB(0xFF, 0x80, 0x00));
  auto* panel = static_cast<Panel*>(
      window.manager.AddControl(new Panel(&window, 1, {20, 20, 120, 120}, kBlue)));
  panel->AddChild(LumoUI::MControl::kAreas, new Box(panel, 2, {20, 20, 120, 40}, kGreen));
  auto* child = static_cast<Box*>(
      panel->AddChild(LumoUI::MControl::kControls, new Box(panel, 3, {60, 60, 100, 100}, kRed)));
  window.manager.AddControl(new Box(&window, 4, {90, 90, 150, 150}, 0x80FFFFFF));
  window.Settle();

  using uitest::SameColor;
  EXPECT_TRUE(SameColor(window.PixelAt(0, 0), 0xFFFF8000));         // border
  EXPECT_TRUE(SameColor(window.PixelAt(5, 5), 0xFF102030));         // back colour
  EXPECT_TRUE(SameColor(window.PixelAt(30, 50), kBlue));            // the panel
  EXPECT_TRUE(SameColor(window.PixelAt(30, 25), kBlue));            // its area lies below it
  EXPECT_TRUE(SameColor(window.PixelAt(70, 70), kRed));             // its child above it
  EXPECT_TRUE(SameColor(window.PixelAt(95, 95), 0xFFFF8080));       // half-white over red
  EXPECT_TRUE(SameColor(window.PixelAt(140, 140), 0xFF888F98, 3));  // half-white over back

  child->SetVisible(0);
  window.Settle();
  EXPECT_TRUE(SameColor(window.PixelAt(70, 70), kBlue));
  EXPECT_TRUE(SameColor(window.PixelAt(95, 95), 0xFF8080FF));
}

TEST(PaintTest, ABackgroundImageIsDrawnAsANinePartFrame) {
  uitest::TestWindow window;
  // 9 x 9 image: a 3-pixel red border around a green middle.
  auto image = std::make_shared<platform::Image>(9, 9);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      const bool middle = x >= 3 && x < 6 && y >= 3 && y < 6;
      image->SetPixel(x, y, middle ? kGreen : kRed);
    }
  }
  window.manager.SetBackImage(image);
  window.manager.SetBackMode(LumoUI::BackModeNinePart, 3);
  window.Settle();
  EXPECT_EQ(window.PixelAt(1, 1), kRed);
  EXPECT_EQ(window.PixelAt(318, 238), kRed);
  EXPECT_EQ(window.PixelAt(160, 1), kRed);
  EXPECT_EQ(window.PixelAt(160, 120), kGreen);

  window.manager.SetBackMode(LumoUI::BackModeNatural, 0);
  window.Settle();
  EXPECT_EQ(window.PixelAt(4, 4), kGreen);
  EXPECT_EQ(window.PixelAt(160, 120), 0u);  // beyond the image nothing is drawn
}

}  // namespace
