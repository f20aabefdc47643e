// The message box and the busy dialog on the headless window back end, with the shipped language
// files and skin pictures.
#include <gtest/gtest.h>

#include <thread>

#include "app/shell/CUIMessageBox.h"
#include "app/shell/CurrentLanguage.h"
#include "app/shell/LanguageText.h"
#include "app/shell/WaitDlg.h"
#include "platform/Backend.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeTimers.h"
#include "platform/fake/HeadlessWindows.h"
#include "tests/support/ScratchFolder.h"
#include "ui/widgets/CGifPicture.h"
#include "ui/widgets/MButton.h"

namespace {

using LumoUI::CRect;

class DialogsTest : public testing::Test {
 protected:
  DialogsTest() {
    folders_->SetProgramFolder(std::filesystem::path(KEYVANE_BINARY_DIR) / "bin");
    SetCurrentLanguage(kLanguageEnglish);
  }
  ~DialogsTest() override { SetCurrentLanguage(kLanguageEnglish); }

  platform::HeadlessWindows& Headless() {
    return static_cast<platform::HeadlessWindows&>(*windows_);
  }

  // Queues a real click at the centre of `rect` of `window`, for the modal loop to deliver.
  void ClickAt(platform::WindowId window, CRect rect) {
    const platform::Point centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    Headless().MoveMouse(window, centre);
    Headless().Click(window, centre);
  }

  ScratchFolder scratch_;
  std::shared_ptr<platform::FakeFolders> folders_ =
      std::make_shared<platform::FakeFolders>(scratch_.Path());
  platform::ScopedBackend<platform::Folders> installed_folders_{folders_};
  platform::ScopedBackend<platform::Clock> clock_{std::make_shared<platform::FakeClock>()};
  platform::ScopedBackend<platform::Timers> timers_{std::make_shared<platform::FakeTimers>()};
  platform::ScopedBackend<platform::Windows> windows_{
      std::make_shared<platform::HeadlessWindows>()};
};

TEST_F(DialogsTest, EachWayOfClosingTheBoxGivesItsResult) {
  enum class Closing { ClickOk, ClickCancel, MainWindowCloses };
  struct Case {
    const char* label;
    int type;
    Closing closing;
    int expected;
  };
  const Case cases[] = {
      {"OkOfTwo", CUIMessageBox::kTwoButtons, Closing::ClickOk, 1},
      {"CancelOfTwo", CUIMessageBox::kTwoButtons, Closing::ClickCancel, 2},
      {"OnlyButton", CUIMessageBox::kOneButton, Closing::ClickOk, 1},
      {"ClosedByTheMainWindow", CUIMessageBox::kTwoButtons, Closing::MainWindowCloses, 2},
  };
  const int w = CUIMessageBox::kWidth, h = CUIMessageBox::kHeight;
  for (const auto& c : cases) {
    CUIMessageBox box(L"Title", L"Message", c.type);
    ASSERT_TRUE(box.CreateBox(0)) << c.label;
    switch (c.closing) {
      case Closing::ClickOk:
        ClickAt(box.GetSafeHwnd(), CUIMessageBox::OkRect(c.type, w, h));
        break;
      case Closing::ClickCancel:
        ClickAt(box.GetSafeHwnd(), CUIMessageBox::CancelRect(w, h));
        break;
      // The main window closes its popups by posting WM_CLOSE with 2 to a message box.
      case Closing::MainWindowCloses:
        box.PostMessageW(platform::WM_CLOSE, 2, 0);
        break;
    }
    EXPECT_EQ(box.ShowModal(platform::SW_SHOWNORMAL), c.expected) << c.label;
  }
}

TEST_F(DialogsTest, BoxIsLaidOutAndLabelledInTheCurrentLanguage) {
  for (const int language : {kLanguageEnglish, kLanguageChinese}) {
    SetCurrentLanguage(language);
    CUIMessageBox box(L"标题", L"Message", CUIMessageBox::kTwoButtons);
    ASSERT_TRUE(box.CreateBox(0));
    auto& windows = platform::Get<platform::Windows>();
    EXPECT_EQ(box.GetWindowTextW(), L"MessageBox");
    const platform::Rect rect = windows.GetWindowRect(box.GetSafeHwnd());
    EXPECT_EQ(rect.Width(), 380);
    EXPECT_EQ(rect.Height(), 200);
    EXPECT_EQ(rect.left, (1920 - 380) / 2);  // centred on the screen
    auto* ok = dynamic_cast<LumoUI::MButton*>(box.GetControl(CUIMessageBox::kOkId));
    auto* cancel = dynamic_cast<LumoUI::MButton*>(box.GetControl(CUIMessageBox::kCancelId));
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(ok->GetControlTitle(), TextIn(language, 23));
    EXPECT_EQ(cancel->GetControlTitle(), TextIn(language, 25));
    EXPECT_FALSE(ok->GetControlTitle().empty());
    EXPECT_EQ(ok->GetRect(), CRect(70, 160, 170, 190));
    EXPECT_EQ(cancel->GetRect(), CRect(210, 160, 310, 190));
    box.DoCancel();
    EXPECT_EQ(box.ShowModal(platform::SW_SHOWNORMAL), 2);
  }
}

TEST_F(DialogsTest, BoxOfAnotherTypeHasNoButtons) {
  CUIMessageBox box(L"Title", L"Message", 7);
  ASSERT_TRUE(box.CreateBox(0));
  EXPECT_EQ(box.GetControl(CUIMessageBox::kOkId), nullptr);
  EXPECT_EQ(box.GetControl(CUIMessageBox::kCancelId), nullptr);
  EXPECT_NE(box.GetControl(CUIMessageBox::kMessageId), nullptr);
  box.DoOK();
  EXPECT_EQ(box.ShowModal(platform::SW_SHOWNORMAL), 1);
}

TEST_F(DialogsTest, BusyDialogSitsOnTheOwnersCentreAndAnimates) {
  auto& windows = platform::Get<platform::Windows>();
  // An owner placed off the screen's centre.
  LumoUI::MDialog owner;
  ASSERT_TRUE(owner.Create(0, L"owner", LumoUI::kAppWindowStyle, 0, {100, 50, 740, 530}));
  WaitDlg busy;
  ASSERT_TRUE(busy.CreateOver(owner.GetSafeHwnd()));
  EXPECT_EQ(busy.GetWindowTextW(), L"WaitDlg");
  const platform::Rect rect = windows.GetWindowRect(busy.GetSafeHwnd());
  EXPECT_EQ(rect.Width(), 102);
  EXPECT_EQ(rect.left, 100 + (640 - 102) / 2);
  EXPECT_EQ(rect.top, 50 + (480 - 102) / 2);

  auto* animation = dynamic_cast<LumoUI::CGifPicture*>(busy.GetControl(WaitDlg::kAnimationId));
  ASSERT_NE(animation, nullptr);
  EXPECT_GT(animation->GetFrameCount(), 1);
  EXPECT_TRUE(animation->IsRunning());

  // Closed from another thread, as the worker does when its job is done.
  std::thread worker([&] { busy.Close(); });
  worker.join();
  EXPECT_EQ(busy.Run(), 1);
}

TEST_F(DialogsTest, BusyDialogClosedByTheMainWindowReturnsZero) {
  WaitDlg busy;
  ASSERT_TRUE(busy.CreateOver(0));
  busy.PostMessageW(platform::WM_CLOSE, 0, 0);
  EXPECT_EQ(busy.Run(), 0);
}

}  // namespace
