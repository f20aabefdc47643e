#include <gtest/gtest.h>

#include <set>

#include "tests/ui/support/TestWindow.h"

namespace {

using namespace std::chrono_literals;
using LumoUI::ControlTimers;
using LumoUI::PaintManager;
using uitest::Box;
using uitest::Panel;

class TimersTest : public testing::Test {
 protected:
  Box* AddBox(unsigned id) {
    return static_cast<Box*>(
        window.manager.AddControl(new Box(&window, id, {0, 0, 10, 10}, 0xFF000000)));
  }
  uitest::TestWindow window;
};

TEST_F(TimersTest, ControlTimerIdsStartAt17SkipReservedIdsAndWrapAfter240) {
  Box* box = AddBox(1);
  ControlTimers& timers = window.manager.GetControlTimers();
  std::vector<unsigned> ids;
  for (unsigned key = 0; key < 300; ++key) {
    if (!window.manager.SetTimer(box, key, 100)) break;
    ids.push_back(timers.IdOf(box, key));
  }
  ASSERT_FALSE(ids.empty());
  EXPECT_EQ(ids.front(), 17u);
  EXPECT_EQ(ids[1], 18u);
  // Every id of the 240-value counter except 0 and the manager's own 66, 88 and 99; then the
  // window has no id left and says so.
  EXPECT_EQ(ids.size(), 236u);
  const std::set<unsigned> unique(ids.begin(), ids.end());
  EXPECT_EQ(unique.size(), ids.size());
  for (unsigned reserved : {0u, 66u, 88u, 99u})
    EXPECT_FALSE(unique.contains(reserved));
  EXPECT_LT(*unique.rbegin(), 240u);

  window.manager.KillTimer(box);  // forgets them all: the counter goes round again
  ASSERT_TRUE(window.manager.SetTimer(box, 0, 100));
  EXPECT_EQ(timers.IdOf(box, 0), 17u);
}

TEST_F(TimersTest, AStoppedTimerRestartsWithItsIdAndARunningOneRefuses) {
  Box* box = AddBox(1);
  Box* other = AddBox(2);
  ASSERT_TRUE(window.manager.SetTimer(box, 7, 50));
  EXPECT_FALSE(window.manager.SetTimer(box, 7, 50));
  window.Advance(50ms);
  window.Advance(50ms);
  EXPECT_EQ(box->ticks, 2);
  EXPECT_EQ(other->ticks, 0);

  EXPECT_TRUE(window.manager.KillTimer(box, 7));
  window.Advance(120ms);
  EXPECT_EQ(box->ticks, 2);
  ASSERT_TRUE(window.manager.SetTimer(other, 1, 50));
  EXPECT_EQ(window.manager.GetControlTimers().IdOf(other, 1), 18u);
  ASSERT_TRUE(window.manager.SetTimer(box, 7, 50));
  EXPECT_EQ(window.manager.GetControlTimers().IdOf(box, 7), 17u);
}

TEST_F(TimersTest, TheAnimationTimerTicksOnlyVisibleRegisteredControlsOnTheWindowsThread) {
  auto* panel = static_cast<Panel*>(
      window.manager.AddControl(new Panel(&window, 1, {0, 0, 100, 100}, 0xFF000000)));
  auto* nested = static_cast<Box*>(
      panel->AddChild(LumoUI::MControl::kControls, new Box(panel, 2, {0, 0, 5, 5}, 0)));
  Box* shown = AddBox(3);
  Box* hidden = AddBox(4);
  Box* unregistered = AddBox(5);
  for (Box* box : {nested, shown, hidden, unregistered})
    box->SetRunTimer(1);
  hidden->SetVisible(0);
  for (Box* box : {nested, shown, hidden})
    box->AddMTimer();
  ASSERT_NE(window.manager.SetMTimer(10), 0u);

  window.Timers().Advance(30ms);
  EXPECT_EQ(shown->ticks, 0);  // ticks are handed to the window's thread, not run on the timer's
  window.Pump();
  EXPECT_EQ(shown->ticks, 1);  // three ticks arrived before the window got to them: one counts
  window.Advance(10ms);
  EXPECT_EQ(shown->ticks, 2);
  EXPECT_EQ(nested->ticks, 2);
  EXPECT_EQ(hidden->ticks, 0);
  EXPECT_EQ(unregistered->ticks, 0);

  panel->SetVisible(0);
  window.Advance(10ms);
  EXPECT_EQ(nested->ticks, 2);
  EXPECT_EQ(shown->ticks, 3);
}

TEST_F(TimersTest, TheAnimationTimerRestsWhileNoControlRunsItsTimer) {
  const unsigned id = window.manager.SetMTimer(10);
  ASSERT_NE(id, 0u);
  EXPECT_EQ(window.Timers().ActiveCount(), 0);
  EXPECT_FALSE(window.manager.GetTimerIsRun(id));

  Box* box = AddBox(1);
  box->AddMTimer();
  EXPECT_EQ(window.Timers().ActiveCount(), 0);  // registered, but not running its timer
  box->SetRunTimer(1);
  EXPECT_EQ(window.Timers().ActiveCount(), 1);
  window.Advance(10ms);
  EXPECT_EQ(box->ticks, 1);

  box->SetRunTimer(0);
  window.Advance(10ms);
  EXPECT_EQ(window.Timers().ActiveCount(), 0);
  EXPECT_EQ(box->ticks, 1);
  EXPECT_EQ(window.manager.GetMTimerID(), id);
}

TEST_F(TimersTest, TheMessageOverlayHoldsThenFadesOut) {
  window.manager.SetMessage(L"Saved", {10, 10, 210, 70}, LumoUI::MsgInfo);
  window.Settle();
  EXPECT_EQ(window.manager.GetMessageOverlay().Alpha(), 255);
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(11, 11), 0xFFE6E6E6));
  window.Advance(3000ms);
  EXPECT_EQ(window.manager.GetMessageOverlay().Alpha(), 255);
  window.Advance(50ms);
  EXPECT_EQ(window.manager.GetMessageOverlay().Alpha(), 245);
  for (int tick = 0; tick < 40; ++tick)
    window.Advance(50ms);
  EXPECT_EQ(window.manager.GetMessageOverlay().Alpha(), 0);
  EXPECT_FALSE(window.Headless().HasTimer(window.id, PaintManager::kMessageFadeTimer));
  window.Settle();
  EXPECT_FALSE(uitest::SameColor(window.PixelAt(11, 11), 0xFFE6E6E6));
}

}  // namespace
