#include <gtest/gtest.h>

#include "tests/ui/support/SkinFolder.h"
#include "tests/ui/support/TestWindow.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/CArea.h"
#include "ui/widgets/CGifPicture.h"
#include "ui/widgets/MLevelCtrl.h"
#include "ui/widgets/MProgress.h"
#include "ui/widgets/MSlider.h"
#include "ui/widgets/MSpinButton.h"

namespace {

using namespace std::chrono_literals;
using LumoUI::CRect;
using uitest::Notice;

TEST(SliderTest, ValueMappingAndSetProgress) {
  uitest::TestWindow window;
  auto* slider = dynamic_cast<LumoUI::MSlider*>(
      window.manager.CreateControl(L"MSlider", 8, {100, 0, 200, 20}, L"", 1, 1));
  ASSERT_NE(slider, nullptr);
  slider->SetMinProgress(0);
  slider->SetMaxProgress(9);
  struct Case {
    int x, value;
  };
  // min + (x - left) * (max - min + 1) / width, clamped.
  for (const Case& c :
       {Case{100, 0}, Case{109, 0}, Case{110, 1}, Case{199, 9}, Case{250, 9}, Case{40, 0}}) {
    EXPECT_EQ(slider->ValueAt(c.x), c.value) << c.x;
  }
  struct Set {
    int value, in_force;
  };
  for (const Set& s : {Set{5, 5}, Set{-3, 5}, Set{42, 9}, Set{0, 0}}) {
    EXPECT_EQ(slider->SetProgress(s.value), s.in_force) << s.value;
  }
}

TEST(SliderTest, DragSendsEightOnEachChangeReleaseAndWheelSendTwo) {
  uitest::TestWindow window;
  auto* slider = static_cast<LumoUI::MSlider*>(
      window.manager.CreateControl(L"MSlider", 8, {100, 0, 200, 20}, L"", 1, 1));
  slider->SetMaxProgress(9);
  auto& input = window.Headless();
  input.MoveMouse(window.id, {125, 10});
  input.PressButton(window.id, platform::HeadlessWindows::Button::Left, {125, 10});
  input.MoveMouse(window.id, {128, 10});  // same value: no code
  input.MoveMouse(window.id, {300, 10});  // outside: clamped to max
  input.ReleaseButton(window.id, platform::HeadlessWindows::Button::Left, {300, 10});
  input.MoveMouse(window.id, {150, 10});
  input.Wheel(window.id, {150, 10}, -120);
  window.Pump();
  EXPECT_EQ(window.notices,
            (std::vector<Notice>{{8, 8, 2, 0}, {8, 8, 9, 0}, {8, 2, 9, 0}, {8, 2, 8, 0}}));
}

TEST(ValueControlsTest, ProgressLevelAndSpinStayInRange) {
  uitest::TestWindow window;
  auto* progress = static_cast<LumoUI::MProgress*>(
      window.manager.CreateControl(L"MProgress", 1, {0, 0, 100, 10}, L"", 1, 1));
  EXPECT_EQ(progress->SetProgress(150), 100);
  EXPECT_EQ(progress->SetProgress(-5), 0);
  progress->SetProgress(25);
  EXPECT_EQ(progress->FilledRight(), 25);

  auto* level = static_cast<LumoUI::MLevelCtrl*>(
      window.manager.CreateControl(L"MLevelCtrl", 2, {0, 20, 96, 30}, L"", 1, 1));
  window.Headless().MoveMouse(window.id, {90, 25});
  window.Headless().Click(window.id, {90, 25});
  window.Pump();
  EXPECT_EQ(level->GetLevel(), 5);
  EXPECT_EQ(window.notices.back(), (Notice{2, LumoUI::NOTIFY_CLICKED, 5, 0}));

  auto* spin = static_cast<LumoUI::MSpinButton*>(
      window.manager.CreateControl(L"MSpinButton", 3, {0, 40, 60, 60}, L"", 1, 1));
  spin->SetRange(1, 2);
  window.notices.clear();
  const CRect up = spin->UpArrowRect();
  window.Headless().MoveMouse(window.id, {up.left + 2, up.top + 2});
  for (int i = 0; i < 3; ++i)
    window.Headless().Click(window.id, {up.left + 2, up.top + 2});
  window.Pump();
  EXPECT_EQ(spin->GetValue(), 2);
  // One change, then the top of the range: no more codes.
  EXPECT_EQ(window.notices, (std::vector<Notice>{{3, LumoUI::NOTIFY_SPIN_CHANGED, 2, 0}}));
}

TEST(AreaTest, FadeAlphaPerRow) {
  struct Case {
    int from, to, row, rows, alpha;
  };
  for (const Case& c : {Case{80, 80, 0, 10, 51}, Case{80, 80, 9, 10, 51}, Case{0, 100, 0, 10, 255},
                        Case{0, 100, 5, 10, 127}, Case{100, 0, 0, 10, 0}}) {
    EXPECT_EQ(LumoUI::CArea::RowAlpha(c.from, c.to, c.row, c.rows), c.alpha)
        << c.from << "/" << c.to << " row " << c.row;
  }
}

TEST(AreaTest, DrawsAVeilOverWhatLiesBelow) {
  uitest::TestWindow window;
  window.manager.SetBackColor(LumoUI::RGB(0, 0, 0), LumoUI::RGB(0, 0, 0));
  auto* area = static_cast<LumoUI::CArea*>(
      window.manager.CreateArea(L"CArea", 1, {10, 10, 50, 50}, L"", 1, 0));
  ASSERT_TRUE(area->IsEnabled());  // areas are always enabled
  area->SetTransparent(80, 80, LumoUI::RGB(255, 255, 255));
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(30, 30) & 0xFFFFFF, 0x333333, 3));
}

class GifPictureTest : public testing::Test {
 protected:
  // Ticks one at a time: ticks that pile up before the window runs are taken as one.
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      window.Advance(10ms);
  }
  LumoUI::CGifPicture* MakeGif() {
    return dynamic_cast<LumoUI::CGifPicture*>(
        window.manager.CreateControl(L"CGifPicture", 4, {0, 0, 8, 8}, L"", 1, 1));
  }
  uitest::SkinFolder skins;
  uitest::TestWindow window;
};

TEST_F(GifPictureTest, AdvancesOneFrameEveryFiveTicksAndWraps) {
  skins.WriteGif("busy.gif", {0xFFFF0000, 0xFF00FF00, 0xFF0000FF}, 8, 8);
  ASSERT_NE(window.manager.SetMTimer(10), 0u);
  auto* gif = MakeGif();
  ASSERT_TRUE(gif->SetImage(L"busy.gif", 1));
  ASSERT_EQ(gif->GetFrameCount(), 3);
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(4, 4), 0xFFFF0000));
  ASSERT_TRUE(gif->SetRunState(1, 0));
  Ticks(4);
  EXPECT_EQ(gif->GetCurrentFrame(), 0);
  Ticks(1);
  EXPECT_EQ(gif->GetCurrentFrame(), 1);
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(4, 4), 0xFF00FF00));
  ASSERT_TRUE(gif->SetRunState(1, 2));
  Ticks(5);
  EXPECT_EQ(gif->GetCurrentFrame(), 0);  // wrapped

  EXPECT_FALSE(gif->SetRunState(0, 3));
  ASSERT_TRUE(gif->SetRunState(0, 2));
  Ticks(10);
  EXPECT_EQ(gif->GetCurrentFrame(), 2);
}

TEST_F(GifPictureTest, OneFrameOrNoPictureRefusesToRun) {
  skins.WriteGif("still.gif", {0xFFFF0000}, 8, 8);
  skins.WriteBytes("broken.gif", "GIF89a garbage");
  auto* gif = MakeGif();
  EXPECT_FALSE(gif->SetRunState(1, 0));
  EXPECT_FALSE(gif->SetImage(L"broken.gif", 1));
  EXPECT_FALSE(gif->SetImage(L"missing.gif", 1));
  ASSERT_TRUE(gif->SetImage(L"still.gif", 1));
  EXPECT_EQ(gif->GetFrameCount(), 1);
  EXPECT_FALSE(gif->SetRunState(1, 0));
  EXPECT_FALSE(gif->IsRunning());
  window.Settle();
  EXPECT_TRUE(uitest::SameColor(window.PixelAt(4, 4), 0xFFFF0000));
}

}  // namespace
