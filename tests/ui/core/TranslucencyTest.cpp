#include <gtest/gtest.h>

#include "tests/ui/support/TestWindow.h"
#include "ui/core/MPopupWnd.h"

namespace {

using uitest::Box;

constexpr uint32_t kKeyGrey = 0xFFF1F1F1, kRed = 0xFFFF0000;

// A window with a red box and a box in the popups' key colour over its back colour.
class TranslucencyTest : public testing::Test {
 protected:
  TranslucencyTest() {
    window.manager.AddControl(new Box(&window, 1, {10, 10, 50, 50}, kRed));
    window.manager.AddControl(new Box(&window, 2, {60, 10, 100, 50}, kKeyGrey));
    window.Settle();
  }
  uitest::TestWindow window;
};

TEST_F(TranslucencyTest, AnOrdinaryWindowIsOpaque) {
  EXPECT_EQ(window.PixelAt(80, 30), kKeyGrey);
  EXPECT_EQ(window.PixelAt(30, 30), kRed);
}

TEST_F(TranslucencyTest, TheColourKeyCutsHolesAndIsPresentedWhole) {
  window.manager.SetColorKey(LumoUI::MPopupWnd::kPopupColorKey);
  window.Settle();
  EXPECT_EQ(window.PixelAt(80, 30), 0u);
  EXPECT_EQ(window.PixelAt(30, 30), kRed);
  EXPECT_EQ(window.Headless().LastPresented(window.id), (platform::Rect{0, 0, 320, 240}));

  window.manager.SetColorKey(LumoUI::PaintManager::kNoColorKey);
  window.Settle();
  EXPECT_EQ(window.PixelAt(80, 30), kKeyGrey);
}

TEST_F(TranslucencyTest, TheWindowAlphaFadesEveryPixel) {
  window.manager.SetWindowAlpha(128);
  window.Settle();
  const uint32_t red = window.PixelAt(30, 30);
  EXPECT_NEAR(static_cast<int>(red >> 24), 128, 1);
  EXPECT_TRUE(uitest::SameColor(red | 0xFF000000, kRed, 2));  // the colour itself is kept
  // Together with the key: holes stay holes.
  window.manager.SetColorKey(LumoUI::MPopupWnd::kPopupColorKey);
  window.Settle();
  EXPECT_EQ(window.PixelAt(80, 30), 0u);
  EXPECT_NEAR(static_cast<int>(window.PixelAt(30, 30) >> 24), 128, 1);
}

TEST(PopupTranslucencyTest, PopupsStartWithTheirKeyColourAndFullAlpha) {
  LumoUI::MPopupWnd popup;
  EXPECT_EQ(popup.GetColorKey(), LumoUI::RGB(0xF1, 0xF1, 0xF1));
  EXPECT_EQ(popup.GetWindowAlpha(), 255);
}

}  // namespace
