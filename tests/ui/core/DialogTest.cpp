// Dialogs on the headless back end: dispatch, close codes, nested modal loops, WM_QUIT, popups.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Backend.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeTimers.h"
#include "platform/fake/HeadlessWindows.h"
#include "tests/ui/support/TestControls.h"
#include "ui/core/MDialog.h"
#include "ui/core/MPopupWnd.h"
#include "ui/core/MShadow.h"

namespace {

using LumoUI::CPoint;
using LumoUI::CRect;

constexpr uint32_t kRunStep = platform::WM_APP + 1;

// A dialog that records what its hooks and OnMessage saw, and runs a test step when told.
class RecordingDialog : public LumoUI::MDialog {
 public:
  long OnMessage(unsigned id, unsigned code, unsigned, long) override {
    notices.push_back({id, code});
    return 0;
  }
  long OnLButtonDown(unsigned, CPoint point) override {
    presses.push_back(point);
    return 0;
  }
  long OnWindowMessage(unsigned message, platform::WParam wparam,
                       platform::LParam lparam) override {
    if (message == kRunStep && step) {
      step();
      return 1;
    }
    return MDialog::OnWindowMessage(message, wparam, lparam);
  }
  long OnUserCloseWindow(unsigned wparam, long lparam) override {
    if (on_close_request) on_close_request();
    return MDialog::OnUserCloseWindow(wparam, lparam);
  }

  std::vector<std::pair<unsigned, unsigned>> notices;
  std::vector<CPoint> presses;
  std::function<void()> step;
  std::function<void()> on_close_request;
};

class DialogTest : public ::testing::Test {
 protected:
  platform::HeadlessWindows& Headless() {
    return static_cast<platform::HeadlessWindows&>(*windows_);
  }
  void Pump() {
    platform::WindowMessage message;
    while (windows_->PeekMessage(message)) {
      if (message.message != platform::WM_QUIT) windows_->Dispatch(message);
    }
  }

  platform::ScopedBackend<platform::Clock> clock_{std::make_shared<platform::FakeClock>()};
  platform::ScopedBackend<platform::Timers> timers_{std::make_shared<platform::FakeTimers>()};
  platform::ScopedBackend<platform::Windows> windows_{
      std::make_shared<platform::HeadlessWindows>()};
};

TEST_F(DialogTest, CloseRequestsBecomeTheModalResult) {
  const struct {
    void (LumoUI::MDialog::*close)();
    int result;
  } cases[] = {{&LumoUI::MDialog::DoOK, 1},
               {&LumoUI::MDialog::DoCancel, 2},
               {&LumoUI::MDialog::DoClose, 2},
               {&LumoUI::MDialog::DoYes, 6},
               {&LumoUI::MDialog::DoNo, 7}};
  for (const auto& c : cases) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(0, L"dialog", LumoUI::kAppWindowStyle, 0, {0, 0, 300, 200}));
    (dialog.*c.close)();
    EXPECT_EQ(dialog.ShowModal(platform::SW_SHOW), c.result);
    EXPECT_EQ(dialog.GetSafeHwnd(), 0u) << "the window is gone after its modal loop";
  }
}

TEST_F(DialogTest, ShowModalWithoutAWindowIsRefused) {
  RecordingDialog dialog;
  EXPECT_EQ(dialog.ShowModal(platform::SW_SHOW), -1);
}

TEST_F(DialogTest, CreationDropsFrameBitsAndBuildsTheControlsAtTheClientSize) {
  struct Built : RecordingDialog {
    void InitUI(CRect client) override { init_client = client; }
    CRect init_client;
  } dialog;
  const uint32_t caption_and_frame = 0x00C00000 | 0x00040000;
  ASSERT_TRUE(dialog.Create(0, L"dialog", LumoUI::kAppWindowStyle | caption_and_frame, 0,
                            {10, 10, 330, 250}));
  EXPECT_EQ(dialog.init_client, CRect(0, 0, 320, 240));
  EXPECT_EQ(dialog.GetStyle() & caption_and_frame, 0u);
  EXPECT_EQ(dialog.GetStyle() & 0x06000008u, 0x06000008u);
  EXPECT_TRUE(dialog.GetPaintManager().IsInitialized());
}

TEST_F(DialogTest, InputReachesTheHooksAndControlNotificationsReachOnMessage) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.Create(0, L"dialog", LumoUI::kAppWindowStyle, 0, {0, 0, 300, 200}));
  dialog.ShowWindow(platform::SW_SHOW);
  dialog.GetPaintManager().AddControl(new uitest::Box(&dialog, 42, {10, 10, 60, 40}, 0xFF00FF00));
  Pump();
  Headless().MoveMouse(dialog.GetSafeHwnd(), {20, 20});
  Headless().Click(dialog.GetSafeHwnd(), {20, 20});
  Pump();
  EXPECT_EQ(dialog.presses, (std::vector<CPoint>{{20, 20}}));
  EXPECT_EQ(dialog.notices, (std::vector<std::pair<unsigned, unsigned>>{{42, 1}, {42, 2}}));
  EXPECT_EQ(dialog.SendMessageW(platform::WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(DialogTest, PressOnEmptySpaceDragsTheWindowOnlyWhereDraggingIsOn) {
  for (const bool enabled : {true, false}) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(0, L"dialog", LumoUI::kAppWindowStyle, 0, {0, 0, 300, 200}));
    dialog.EnableWndDrag(enabled);
    dialog.ShowWindow(platform::SW_SHOW);
    Pump();
    Headless().MoveMouse(dialog.GetSafeHwnd(), {150, 150});
    Headless().PressButton(dialog.GetSafeHwnd(), platform::HeadlessWindows::Button::Left,
                           {150, 150});
    Pump();
    EXPECT_EQ(Headless().IsMoveDragging(), enabled);
    Headless().ReleaseButton(dialog.GetSafeHwnd(), platform::HeadlessWindows::Button::Left,
                             {150, 150});
    Pump();
  }
}

TEST_F(DialogTest, NestedModalLoopDisablesItsOwnerAndHandsBackActivation) {
  RecordingDialog outer;
  ASSERT_TRUE(outer.Create(0, L"outer", LumoUI::kAppWindowStyle, 0, {0, 0, 400, 300}));
  int inner_result = 0;
  bool owner_enabled_inside = true;
  outer.step = [&] {
    RecordingDialog inner;
    ASSERT_TRUE(inner.Create(outer.GetSafeHwnd(), L"inner", LumoUI::kAppWindowStyle, 0,
                             {50, 50, 250, 200}));
    inner.on_close_request = [&] { owner_enabled_inside = outer.IsWindowEnabled(); };
    inner.DoNo();
    inner_result = inner.ShowModal(platform::SW_SHOW);
    // Back in the outer loop: the owner works again and has the activation.
    EXPECT_TRUE(outer.IsWindowEnabled());
    EXPECT_EQ(windows_->GetActive(), outer.GetSafeHwnd());
    outer.DoOK();
  };
  outer.PostMessageW(kRunStep, 0, 0);
  EXPECT_EQ(outer.ShowModal(platform::SW_SHOW), 1);
  EXPECT_EQ(inner_result, 7);
  EXPECT_FALSE(owner_enabled_inside);
}

TEST_F(DialogTest, QuitDuringTheInnerLoopEndsBothLoopsAndReachesTheCaller) {
  RecordingDialog outer;
  ASSERT_TRUE(outer.Create(0, L"outer", LumoUI::kAppWindowStyle, 0, {0, 0, 400, 300}));
  int inner_result = -5;
  outer.step = [&] {
    RecordingDialog inner;
    ASSERT_TRUE(inner.Create(outer.GetSafeHwnd(), L"inner", LumoUI::kAppWindowStyle, 0,
                             {50, 50, 250, 200}));
    windows_->PostQuit(3);
    inner_result = inner.ShowModal(platform::SW_SHOW);
  };
  outer.PostMessageW(kRunStep, 0, 0);
  EXPECT_EQ(outer.ShowModal(platform::SW_SHOW), 0);
  EXPECT_EQ(inner_result, 0);
  EXPECT_TRUE(outer.IsWindowEnabled()) << "an owner must not stay disabled after a quit";
  platform::WindowMessage message;
  EXPECT_FALSE(windows_->GetMessage(message)) << "the quit is passed on to the outermost loop";
  EXPECT_EQ(message.wparam, 3u);
}

TEST_F(DialogTest, PopupClosesWhenAnotherWindowIsActivated) {
  for (const bool activate_owner : {true, false}) {
    RecordingDialog owner, other;
    ASSERT_TRUE(owner.Create(0, L"owner", LumoUI::kAppWindowStyle, 0, {0, 0, 400, 300}));
    ASSERT_TRUE(other.Create(0, L"other", LumoUI::kAppWindowStyle, 0, {500, 0, 700, 300}));
    LumoUI::MPopupWnd popup;
    popup.SetParent(&owner);
    ASSERT_TRUE(popup.Create(owner.GetSafeHwnd(), L"Menu Window", LumoUI::kAppWindowStyle,
                             platform::WS_EX_TOOLWINDOW, {20, 20, 120, 120}));
    popup.ShowWindow(platform::SW_SHOW);
    Pump();
    ASSERT_TRUE(windows_->IsWindow(popup.GetSafeHwnd()));
    windows_->Activate(activate_owner ? owner.GetSafeHwnd() : other.GetSafeHwnd());
    Pump();
    EXPECT_EQ(popup.GetSafeHwnd(), 0u) << (activate_owner ? "owner" : "other window");
  }
}

TEST_F(DialogTest, PopupReportsToItsParent) {
  RecordingDialog owner;
  ASSERT_TRUE(owner.Create(0, L"owner", LumoUI::kAppWindowStyle, 0, {0, 0, 400, 300}));
  LumoUI::MPopupWnd popup;
  EXPECT_EQ(popup.SendMessageToParent(9, 0, 0), 0);
  popup.SetParent(&owner);
  popup.SendMessageToParent(9, 1, 2);
  EXPECT_EQ(owner.notices, (std::vector<std::pair<unsigned, unsigned>>{{0, 9}}));
}

TEST(ShadowTest, SettersRefuseValuesOutsideTheirRanges) {
  LumoUI::MShadow shadow;
  EXPECT_TRUE(shadow.SetSize(-35));
  EXPECT_TRUE(shadow.SetSize(35));
  EXPECT_FALSE(shadow.SetSize(36));
  EXPECT_EQ(shadow.GetSize(), 35);
  EXPECT_TRUE(shadow.SetSharpness(0));
  EXPECT_FALSE(shadow.SetSharpness(-1));
  EXPECT_FALSE(shadow.SetDarkness(256));
  EXPECT_TRUE(shadow.SetDarkness(255));
  EXPECT_FALSE(shadow.SetPosition(0, -36));
  EXPECT_TRUE(shadow.SetPosition(-35, 35));
  EXPECT_EQ(shadow.GetOffsetY(), 35);
}

}  // namespace
