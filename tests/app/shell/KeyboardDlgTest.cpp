// The main window on the headless back end: start-up states with and without the simulated
// keyboard, the worker's job queue run cycle by cycle, the busy dialog, page switching by real
// clicks, the tray icon and the exit message.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/device/DeviceLink.h"
#include "app/shell/CurrentLanguage.h"
#include "app/shell/JobCodes.h"
#include "app/shell/KeyboardDlg.h"
#include "app/shell/LanguageText.h"
#include "app/shell/MainWindowIds.h"
#include "app/store/DataStore.h"
#include "platform/Backend.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeHidBus.h"
#include "platform/fake/FakeSettings.h"
#include "platform/fake/FakeTimers.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/HeadlessWindows.h"
#include "sim/SimulatedKeyboard.h"
#include "tests/support/ScratchFolder.h"
#include "ui/core/Manager.h"
#include "ui/widgets/MPicture.h"
#include "ui/widgets/MTabCtrl.h"
#include "ui/widgets/MText.h"

namespace {

using namespace std::chrono_literals;

// The worker's cycles are run by the test, one at a time, on the thread it chooses.
class SteppedKeyboardDlg : public KeyboardDlg {
 public:
  void Cycle() { Run(); }
  std::vector<int> ran;
  std::function<void(int)> on_job;

 protected:
  void StartWorker() override {}
  void RunKeyboardJob(int code) override {
    ran.push_back(code);
    if (on_job) on_job(code);
  }
};

class KeyboardDlgTest : public testing::Test {
 protected:
  KeyboardDlgTest() {
    folders_->SetProgramFolder(std::filesystem::path(KEYVANE_BINARY_DIR) / "bin");
    SetCurrentLanguage(kLanguageEnglish);
    LumoUI::Manager::SetDeviceName(L"Keyvane");
  }
  ~KeyboardDlgTest() override {
    DataStore::Instance().Close();
    DeviceLink::Instance().Close();
  }

  platform::HeadlessWindows& Headless() {
    return static_cast<platform::HeadlessWindows&>(*windows_);
  }

  // Creates the window and runs its two start-up jobs (update check, first refresh).
  void Open(bool keyboard) {
    if (keyboard) keyboard_.PlugMode(0);
    ASSERT_TRUE(dialog_.CreateMainWindow());
    EXPECT_EQ(dialog_.Jobs().Codes(), (std::vector<int>{kJobSoftwareCheck, kJobFirstRefresh}));
    dialog_.Cycle();
    dialog_.Cycle();
    Headless().PumpUntilIdle();
  }

  void ClickTab(int index) {
    const LumoUI::CRect rect = dialog_.tab_control->GetItemInfo(index)->rect;
    const platform::Point centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    Headless().MoveMouse(dialog_.GetSafeHwnd(), centre);
    Headless().Click(dialog_.GetSafeHwnd(), centre);
    Headless().PumpUntilIdle();
  }

  ScratchFolder scratch_;
  std::shared_ptr<platform::FakeFolders> folders_ =
      std::make_shared<platform::FakeFolders>(scratch_.Path());
  platform::ScopedBackend<platform::Folders> installed_folders_{folders_};
  platform::ScopedBackend<platform::Settings> settings_{std::make_shared<platform::FakeSettings>()};
  platform::ScopedBackend<platform::Clock> clock_{std::make_shared<platform::FakeClock>()};
  platform::ScopedBackend<platform::Timers> timers_{std::make_shared<platform::FakeTimers>()};
  platform::ScopedBackend<platform::Tray> tray_{std::make_shared<platform::FakeTray>()};
  std::shared_ptr<platform::FakeHidBus> bus_ = std::make_shared<platform::FakeHidBus>();
  platform::ScopedBackend<platform::Hid> hid_{bus_};
  sim::SimulatedKeyboard keyboard_{bus_};
  platform::ScopedBackend<platform::Windows> windows_{
      std::make_shared<platform::HeadlessWindows>()};
  SteppedKeyboardDlg dialog_;
};

TEST_F(KeyboardDlgTest, WithoutKeyboardTheHomePageShowsTheNoDeviceState) {
  Open(false);
  EXPECT_FALSE(dialog_.AnyInterface());
  EXPECT_EQ(dialog_.no_device_text->GetControlTitle(), Text(61));
  EXPECT_FALSE(Text(61).empty());
  EXPECT_FALSE(dialog_.tab_control->IsVisible());
  EXPECT_FALSE(dialog_.tab_strip_area->IsVisible());
  EXPECT_EQ(dialog_.current_page, PageId::kHome);
  EXPECT_EQ(dialog_.page_caption->GetControlTitle(), L"");
  EXPECT_TRUE(dialog_.Jobs().Empty());
}

TEST_F(KeyboardDlgTest, WithTheSimulatedKeyboardTheFirstRefreshSwitchesToTheWorkingState) {
  Open(true);
  EXPECT_TRUE(dialog_.AnyInterface());
  EXPECT_TRUE(dialog_.KeyboardConnected());
  EXPECT_EQ(dialog_.ConnectionMode(), 0);
  EXPECT_EQ(dialog_.DeviceType(), 201);
  EXPECT_EQ(dialog_.menu_flags, 0x47);
  EXPECT_TRUE(dialog_.tab_control->IsVisible());
  EXPECT_EQ(dialog_.current_page, PageId::kKeyAssignment);
  EXPECT_EQ(dialog_.page_caption->GetControlTitle(), Text(51));
  EXPECT_EQ(dialog_.page_icon->GetImagePath(), L"icon\\icon_keyboard.png");
  EXPECT_EQ(dialog_.no_device_text->GetControlTitle(), Text(60));
  // The working state asks for the firmware check and the page reload, run in that order.
  EXPECT_EQ(dialog_.Jobs().Codes(), (std::vector<int>{kJobFirmwareCheck, kJobReloadPages}));
  dialog_.Cycle();
  dialog_.Cycle();
  EXPECT_EQ(dialog_.ran, (std::vector<int>{kJobFirmwareCheck, kJobReloadPages}));
}

TEST_F(KeyboardDlgTest, WirelessModeWithoutItsRecordShowsTheNoDeviceText) {
  // Only the receiver is plugged, but its mode record names another interface: the record finds
  // nothing, so the window stays in the no-device state although an interface is open.
  auto records = dialog_.Presence().ModeRecords();
  keyboard_.PlugMode(1);
  ASSERT_TRUE(dialog_.CreateMainWindow());
  records = dialog_.Presence().ModeRecords();
  for (ModeRecord& record : records)
    record.pid = 0x7777;
  dialog_.Presence().SetModeRecords(records);
  dialog_.Cycle();
  dialog_.Cycle();
  Headless().PumpUntilIdle();
  EXPECT_TRUE(dialog_.AnyInterface());
  EXPECT_FALSE(dialog_.KeyboardConnected());
  EXPECT_EQ(dialog_.ConnectionMode(), 1);
  EXPECT_EQ(dialog_.no_device_text->GetControlTitle(), Text(61));
  EXPECT_FALSE(dialog_.tab_control->IsVisible());
}

TEST_F(KeyboardDlgTest, JobsThatNeedAKeyboardAreDroppedWithoutOne) {
  Open(false);
  for (int code : {kJobSelectorChanged, kJobWriteKeyMap, kJobWriteLight, kJobFactoryReset}) {
    dialog_.QueueJob(code);
    dialog_.Cycle();
    EXPECT_TRUE(dialog_.Jobs().Empty()) << code;
  }
  EXPECT_TRUE(dialog_.ran.empty());
}

TEST_F(KeyboardDlgTest, WindowIsDisabledWhileAJobRunsAndBusyJobsPause) {
  Open(true);
  dialog_.Cycle();  // firmware check
  dialog_.Cycle();  // page reload
  bool enabled_during_job = true;
  dialog_.on_job = [&](int) {
    Headless().PumpUntilIdle();
    enabled_during_job = dialog_.IsWindowEnabled();
  };
  auto& clock = static_cast<platform::FakeClock&>(*clock_);
  clock.ClearSleeps();
  dialog_.QueueJob(kJobWriteLight);
  dialog_.Cycle();
  Headless().PumpUntilIdle();
  EXPECT_FALSE(enabled_during_job);
  EXPECT_TRUE(dialog_.IsWindowEnabled());
  EXPECT_EQ(clock.Sleeps(), (std::vector<platform::Clock::Duration>{100ms}));
}

// The busy dialog waits for its job; the worker closes it whether the job ran or was dropped.
TEST_F(KeyboardDlgTest, BusyDialogClosesWhenItsJobEndsRunOrDropped) {
  for (const bool keyboard : {true, false}) {
    SCOPED_TRACE(keyboard ? "job runs" : "job dropped without a keyboard");
    SteppedKeyboardDlg dialog;
    if (keyboard) keyboard_.PlugMode(0);
    if (!keyboard) keyboard_.UnplugMode(0);
    ASSERT_TRUE(dialog.CreateMainWindow());
    dialog.Cycle();
    dialog.Cycle();
    Headless().PumpUntilIdle();
    dialog.Cycle();
    dialog.Cycle();
    std::thread worker([&] {
      while (dialog.Jobs().Codes() != std::vector<int>{kJobWriteLight})
        std::this_thread::yield();
      dialog.Cycle();
    });
    EXPECT_EQ(dialog.QueueJobWithBusyDialog(kJobWriteLight), 1);
    worker.join();
    EXPECT_EQ(dialog.Jobs().BusyDialog(), nullptr);
    EXPECT_EQ(dialog.ran.size(), keyboard ? 3u : 0u);
    dialog.Close();
  }
}

TEST_F(KeyboardDlgTest, RealClicksOnTheTabsSwitchPageTitleAndIcon) {
  Open(true);
  struct Case {
    int index;
    unsigned page;
    int title;
    const wchar_t* icon;
  };
  const Case cases[] = {{2, PageId::kMacros, 52, L"icon\\icon_macro.png"},
                        {3, PageId::kLighting, 53, L"icon\\icon_lightmode.png"},
                        {4, PageId::kSettings, 56, L"icon\\icon_config.png"},
                        {1, PageId::kKeyAssignment, 51, L"icon\\icon_keyboard.png"}};
  for (const Case& c : cases) {
    ClickTab(c.index);
    EXPECT_EQ(dialog_.current_page, c.page) << c.index;
    EXPECT_EQ(dialog_.page_caption->GetControlTitle(), Text(c.title)) << c.index;
    EXPECT_EQ(dialog_.page_icon->GetImagePath(), c.icon) << c.index;
    EXPECT_TRUE(dialog_.pages[c.page]->IsVisible()) << c.index;
  }
  // Home hides the strip and clears the title.
  ClickTab(0);
  EXPECT_EQ(dialog_.current_page, PageId::kHome);
  EXPECT_EQ(dialog_.page_caption->GetControlTitle(), L"");
  EXPECT_FALSE(dialog_.tab_control->IsVisible());
}

TEST_F(KeyboardDlgTest, LayoutFollowsTheWindowSize) {
  Open(true);
  auto rect_of = [&](unsigned id) { return dialog_.GetControl(id)->GetRect(); };
  EXPECT_EQ(rect_of(MainWindowId::kCloseButton), LumoUI::CRect(1230, 20, 1260, 50));
  EXPECT_EQ(rect_of(MainWindowId::kWebsiteButton), LumoUI::CRect(1130, 20, 1160, 50));
  EXPECT_EQ(rect_of(MainWindowId::kModelCaption), LumoUI::CRect(465, 10, 815, 40));
  EXPECT_EQ(rect_of(MainWindowId::kTabControl), LumoUI::CRect(1, 60, 79, 710));
  EXPECT_EQ(dialog_.pages[3]->GetRect(), LumoUI::CRect(80, 50, 1279, 719));
  EXPECT_EQ(dialog_.no_device_text->GetRect(), LumoUI::CRect(400, 280, 880, 318));
  EXPECT_EQ(dialog_.tab_control->GetItemInfo(4)->rect.top, 720 - 106);
}

TEST_F(KeyboardDlgTest, TrayIconCarriesTheNameAndALeftClickRestoresTheWindow) {
  Open(false);
  auto& tray = static_cast<platform::FakeTray&>(*tray_);
  EXPECT_TRUE(tray.IsShown());
  EXPECT_EQ(tray.Tip(), L"Keyvane");
  EXPECT_EQ(tray.Icon().filename(), "Keyvane.ico");
  uint64_t value = 0;
  EXPECT_TRUE(Headless().GetProperty(dialog_.GetSafeHwnd(), L"Keyvane", value));
  dialog_.ShowWindow(platform::SW_HIDE);
  tray.Click(platform::TrayEvent::LeftClick);
  Headless().PumpUntilIdle();
  EXPECT_TRUE(dialog_.IsWindowVisible());
}

TEST_F(KeyboardDlgTest, TrayMenuExitEndsTheProgram) {
  Open(false);
  auto& tray = static_cast<platform::FakeTray&>(*tray_);
  tray.Click(platform::TrayEvent::RightClick);
  Headless().PumpUntilIdle();
  const platform::WindowId menu = Headless().FindWindow(L"Menu Window", L"Menu Window");
  ASSERT_NE(menu, 0u);
  // Rows of 35 pixels under a 6-pixel margin: close behaviour, then exit.
  const platform::Point exit_row{60, 6 + 35 + 17};
  Headless().MoveMouse(menu, exit_row);
  Headless().Click(menu, exit_row);
  EXPECT_EQ(dialog_.RunMainWindow(), 0);
  EXPECT_FALSE(tray.IsShown());
  EXPECT_FALSE(Headless().IsWindow(menu)) << "the menu closes with its choice";
}

TEST_F(KeyboardDlgTest, ExitMessageEndsTheProgramOnlyWithItsConfirmation) {
  Open(false);
  auto& tray = static_cast<platform::FakeTray&>(*tray_);
  dialog_.PostMessageW(MainWindowMessage::kExit, 0, 0);
  Headless().PumpUntilIdle();
  EXPECT_TRUE(dialog_.GetSafeHwnd());
  dialog_.PostMessageW(MainWindowMessage::kExit, 0, MainWindowMessage::kExitConfirmation);
  EXPECT_EQ(dialog_.RunMainWindow(), 0);
  EXPECT_FALSE(tray.IsShown());
  EXPECT_FALSE(dialog_.GetSafeHwnd());
}

TEST(DevicePresenceTest, PlugNotificationsBecomeJobsOnlyForSupportedInterfaces) {
  DevicePresence presence;
  ModeRecord cable;
  cable.hid_interface = L"VID_1209&PID_0005&MI_01";
  presence.SetModeRecords({cable});
  struct Case {
    const char* label;
    bool arrival;
    std::wstring path;
    int job;
  };
  const std::wstring ours = L"\\\\?\\hid#vid_1209&pid_0005&mi_01#7&1";
  const Case cases[] = {
      {"arrival of ours", true, ours, kJobDeviceArrived},
      {"arrival of another", true, L"\\\\?\\hid#vid_046d&pid_c52b&mi_01#1", 0},
      {"bluetooth LE", true, ours + L"{00001812-0000-1000-8000-00805f9b34fb}", 0},
      {"removal while not connected", false, ours, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(presence.JobForDeviceChange(c.arrival, c.path), c.job) << c.label;
  auto records = presence.ModeRecords();
  records[0].connected = 1;
  presence.SetModeRecords(records);
  EXPECT_EQ(presence.JobForDeviceChange(false, ours), kJobDeviceRemoved);
  EXPECT_EQ(presence.ModeRecords()[0].connected, 0);
  // A record without an interface piece reacts to every interface.
  presence.SetModeRecords({ModeRecord{}});
  EXPECT_EQ(presence.JobForDeviceChange(true, L"anything"), kJobDeviceArrived);
}

}  // namespace
