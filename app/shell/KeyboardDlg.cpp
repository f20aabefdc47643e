#include "app/shell/KeyboardDlg.h"

#include <algorithm>

#include "app/device/DeviceLink.h"
#include "app/device/Discovery.h"
#include "app/device/KeyboardCommands.h"
#include "app/model/MenuFlags.h"
#include "app/shell/JobCodes.h"
#include "app/shell/LanguageText.h"
#include "app/shell/MainWindowIds.h"
#include "app/shell/Startup.h"
#include "app/shell/StoredExitMode.h"
#include "app/shell/TrayMenu.h"
#include "app/shell/WaitDlg.h"
#include "app/store/DataStore.h"
#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/Tray.h"
#include "ui/core/Manager.h"
#include "ui/core/Notifications.h"
#include "ui/widgets/MButton.h"
#include "ui/widgets/MPanel.h"
#include "ui/widgets/MPicture.h"
#include "ui/widgets/MTabCtrl.h"
#include "ui/widgets/MText.h"

namespace {

using LumoUI::CRect;
namespace Id = MainWindowId;
namespace Msg = MainWindowMessage;

constexpr LumoUI::Color kCaptionColour = 0xFFFFFFFF;
constexpr LumoUI::Color kHomeTextColour = 0xFFD6DEE8;
constexpr LumoUI::Color kFootnoteColour = 0xFF8A96A3;
constexpr int kTabSize = 80;
constexpr int kStripWidth = 76;

struct PageInfo {
  unsigned item_id;
  int title_text;  // 0: no title
  const wchar_t* tab_icon;
  const wchar_t* page_icon;  // null: none
};
constexpr PageInfo kPages[] = {
    {PageId::kHome, 50, L"icon\\tab_home.png", nullptr},
    {PageId::kKeyAssignment, 51, L"icon\\tab_customkey.png", L"icon\\icon_keyboard.png"},
    {PageId::kMacros, 52, L"icon\\tab_macro.png", L"icon\\icon_macro.png"},
    {PageId::kLighting, 53, L"icon\\tab_light.png", L"icon\\icon_lightmode.png"},
    {PageId::kSettings, 56, L"icon\\tab_config.png", L"icon\\icon_config.png"},
};

const PageInfo* FindPage(unsigned item_id) {
  for (const PageInfo& page : kPages)
    if (page.item_id == item_id) return &page;
  return nullptr;
}

LumoUI::MText* MakeText(LumoUI::MText* text, int size, LumoUI::Color colour, unsigned align) {
  if (!text) return nullptr;
  text->SetFontWidth(size);
  text->SetTextColor(colour);
  text->SetAlignment(align, LumoUI::VAlignCenter);
  return text;
}

}  // namespace

// Window messages the main window handles itself; every other one goes to the dialog.
const KeyboardDlg::MessageRow KeyboardDlg::kMessageTable[] = {
    {Msg::kKeyHook, &KeyboardDlg::OnKeyHook},
    {platform::WM_DEVICECHANGE, &KeyboardDlg::OnDeviceChange},
    {Msg::kTray, &KeyboardDlg::OnTrayMessage},
    {Msg::kTrayMenuChoice, &KeyboardDlg::OnTrayMenuChoice},
    {Msg::kExit, &KeyboardDlg::OnExitMessage},
    {Msg::kKeyMenu, &KeyboardDlg::OnFeatureMenuCommand},
    {Msg::kMacroMenu, &KeyboardDlg::OnFeatureMenuCommand},
    {Msg::kLanguageChanged, &KeyboardDlg::OnLanguageChanged},
    {platform::WM_COMMAND, &KeyboardDlg::OnCommand},
    {platform::WM_CLOSE, &KeyboardDlg::OnCloseMessage},
    {Msg::kDevicesRefreshed, &KeyboardDlg::OnDevicesRefreshed},
    {Msg::kWorkerBusy, &KeyboardDlg::OnWorkerBusy},
};

// Control notifications by id. Rows handled by OnFeatureControl belong to pages that are not
// built yet; their handlers take the ranges over as the pages arrive.
const KeyboardDlg::NotificationRow KeyboardDlg::kNotificationTable[] = {
    {Id::kCloseButton, Id::kCloseButton, &KeyboardDlg::OnCloseButton},
    {Id::kMinimizeButton, Id::kMinimizeButton, &KeyboardDlg::OnMinimizeButton},
    {Id::kInertButton, Id::kInertButton, &KeyboardDlg::OnInertButton},
    {Id::kOtherInertButton, Id::kOtherInertButton, &KeyboardDlg::OnInertButton},
    {Id::kWebsiteButton, Id::kWebsiteButton, &KeyboardDlg::OnWebsiteButton},
    {Id::kTabControl, Id::kTabControl, &KeyboardDlg::OnTabControl},
    {Id::kDeviceSelector, Id::kDeviceSelector, &KeyboardDlg::OnDeviceSelector},
    {60, 64, &KeyboardDlg::OnFeatureControl},    // profile buttons
    {66, 69, &KeyboardDlg::OnFeatureControl},    // profile list and key function picker
    {71, 125, &KeyboardDlg::OnFeatureControl},   // lighting page
    {127, 147, &KeyboardDlg::OnFeatureControl},  // music and screen light
    {149, 195, &KeyboardDlg::OnFeatureControl},  // lighting page, per-key colours
    {198, 236, &KeyboardDlg::OnFeatureControl},  // macro page
    {240, 245, &KeyboardDlg::OnFeatureControl},  // settings page
};

KeyboardDlg::KeyboardDlg() = default;

KeyboardDlg::~KeyboardDlg() {
  // Run must not outlive the members it uses.
  if (IsRunning()) Stop();
  Join();
}

bool KeyboardDlg::CreateMainWindow() {
  LoadBKImage(L"main_bkg.png");
  if (!Create(0, LumoUI::Manager::GetDeviceName().c_str(), LumoUI::kAppWindowStyle, 0,
              {0, 0, kWidth, kHeight})) {
    return false;
  }
  CenterWindow();
  return true;
}

int KeyboardDlg::RunMainWindow() {
  ShowModal(platform::SW_SHOW);
  return exit_requested_ ? 0 : 1;
}

int KeyboardDlg::OnInitDialog() {
  MDialog::OnInitDialog();
  if (virtual_device_in_use_) EnsureVirtualDevice();
  // The music visualizer's audio capture joins here with the lighting pages.

  auto& windows = platform::Get<platform::Windows>();
  // A second start finds this window by the property and brings it forward.
  windows.SetProperty(GetSafeHwnd(), LumoUI::Manager::GetDeviceName(), 1);
  AddTrayIcon();
  LoadConfiguration();

  SetMTimer(10);
  StartWorker();
  QueueJob(kJobSoftwareCheck);
  QueueJob(kJobFirstRefresh);
  return 1;
}

void KeyboardDlg::StartWorker() {
  Start(CThreadBasic::kDefaultPeriodMs, true);
}

// --- Controls and layout ---

void KeyboardDlg::InitUI(CRect client) {
  CreateControl(L"MPicture", Id::kBackground, client);
  if (auto* background = static_cast<LumoUI::MPicture*>(GetControl(Id::kBackground)))
    background->SetImage(L"main_bkg.png", 1);
  for (unsigned id = Id::kEdgeLeft; id <= Id::kCaptionArea; ++id)
    CreateArea(L"CArea", id, {});
  CreateCaptionBar();
  CreateTabStrip();
  CreateHomePage();
  // The key assignment, lighting, settings and macro pages fill their containers here.
  UISize(client);
}

void KeyboardDlg::CreateCaptionBar() {
  if (auto* caption = static_cast<LumoUI::MPicture*>(
          CreateControl(L"MPicture", Id::kCaptionPicture, {1, 1, kWidth - 1, 50})))
    caption->SetImage(L"pic_caption.png", 1);
  if (auto* logo = static_cast<LumoUI::MPicture*>(CreateControl(L"MPicture", Id::kLogo, {})))
    logo->SetImage(L"logo\\logo.png", 1);
  page_icon = static_cast<LumoUI::MPicture*>(CreateControl(L"MPicture", Id::kPageIcon, {}));
  if (page_icon) page_icon->SetImage(L"logo\\logo.png", 1);
  model_caption = MakeText(static_cast<LumoUI::MText*>(CreateControl(L"MText", Id::kModelCaption,
                                                                     {}, kDefaultModelCaption)),
                           16, kCaptionColour, LumoUI::AlignCenter);
  page_caption =
      MakeText(static_cast<LumoUI::MText*>(CreateControl(L"MText", Id::kPageCaption, {}, L"")), 16,
               kCaptionColour, LumoUI::AlignLeft);
  battery = CreateControl(L"BatteryCtrl", Id::kBattery, {}, L"", 0);
  connection_picture = CreateControl(L"MPicture", Id::kConnectionPicture, {}, L"", 0);
  if (auto* mode = static_cast<LumoUI::MPicture*>(connection_picture))
    mode->SetImage(L"icon\\mode_usb.png", 1);

  const struct {
    unsigned id;
    const wchar_t* image;
    int tooltip;
  } buttons[] = {{Id::kCloseButton, L"main_sysbtn_close.png", 171},
                 {Id::kMinimizeButton, L"main_sysbtn_min.png", 2},
                 {Id::kWebsiteButton, L"main_sysbtn_website.png", 5}};
  for (const auto& b : buttons) {
    auto* button = static_cast<LumoUI::MButton*>(CreateControl(L"CImageButton", b.id, {}));
    if (!button) continue;
    button->SetImage(b.image, 4);
    button->SetTooltip(Text(b.tooltip).c_str());
  }
  close_button = static_cast<LumoUI::MButton*>(GetControl(Id::kCloseButton));
  UpdateCloseButtonTooltip();
}

void KeyboardDlg::CreateTabStrip() {
  for (int i = 0; i < kPageCount; ++i)
    pages[i] = CreateControl(L"MTabLayout", Id::kFirstPage + i, {}, L"", 0);
  tab_strip_area = CreateArea(L"CArea", Id::kTabStripArea, {}, L"", 0);
  tab_control =
      static_cast<LumoUI::MTabCtrl*>(CreateControl(L"MTabCtrl", Id::kTabControl, {}, L"", 0));
  if (!tab_control) return;
  tab_control->SetTabCtrlWidth(kTabSize);
  tab_control->SetTabCtrlHeight(kTabSize);
  tab_control->SetItemWidth(kTabSize, 0, 0);
  tab_control->SetItemHeight(kTabSize, 0, 0);
  for (const PageInfo& page : kPages)
    tab_control->InsertItem(page.item_id, Text(page.title_text).c_str(), page.tab_icon,
                            pages[page.item_id], 3, kTabSize);
}

void KeyboardDlg::CreateHomePage() {
  auto* home = dynamic_cast<LumoUI::MPanel*>(pages[PageId::kHome]);
  if (home) {
    no_device_text = MakeText(static_cast<LumoUI::MText*>(home->CreateControl(
                                  L"MText", Id::kNoDeviceText, {}, Text(60).c_str(), 1, 1)),
                              15, kHomeTextColour, LumoUI::AlignCenter);
    // The no-device text is a sentence or two: it wraps inside its box.
    if (no_device_text) no_device_text->EnableMultiLine(1);
    device_selector = home->CreateControl(L"CDeviceCtrl", Id::kDeviceSelector, {}, L"", 1, 1);
  }
  legal_notice = MakeText(static_cast<LumoUI::MText*>(CreateControl(L"MText", Id::kLegalNotice, {},
                                                                    software.copyright.c_str())),
                          12, kFootnoteColour, LumoUI::AlignCenter);
  version_text =
      MakeText(static_cast<LumoUI::MText*>(CreateControl(L"MText", Id::kVersionText, {}, L"")), 12,
               kFootnoteColour, LumoUI::AlignLeft);
}

void KeyboardDlg::UISize(CRect client) {
  const int right = client.right;
  const int bottom = client.bottom;
  const int c = right / 2;
  const auto place = [this](unsigned id, CRect rect) {
    if (LumoUI::MControl* control = GetControl(id)) control->SetRect(rect);
  };
  place(Id::kBackground, client);
  place(Id::kEdgeLeft, {0, 0, 1, bottom});
  place(Id::kEdgeRight, {right - 1, 0, right, bottom});
  place(Id::kEdgeTop, {0, 0, right, 1});
  place(Id::kEdgeBottom, {0, bottom - 1, right, bottom});
  place(Id::kCaptionArea, {1, 1, right - 1, 50});
  place(Id::kCaptionPicture, {1, 1, right - 1, 50});
  place(Id::kLogo, {10, 9, 42, 41});
  place(Id::kPageIcon, {90, 9, 122, 41});
  place(Id::kPageCaption, {130, 10, c - 180, 40});
  place(Id::kModelCaption, {c - 175, 10, c + 175, 40});
  place(Id::kBattery, {right - 250, 15, right - 210, 35});
  place(Id::kConnectionPicture, {right - 200, 13, right - 176, 37});
  place(Id::kCloseButton, {right - 50, 20, right - 20, 50});
  place(Id::kMinimizeButton, {right - 100, 20, right - 70, 50});
  place(Id::kWebsiteButton, {right - 150, 20, right - 120, 50});
  place(Id::kVersionText, {10, bottom - 40, 170, bottom - 5});
  place(Id::kLegalNotice, {c - 350, bottom - 40, c + 350, bottom - 5});
  place(Id::kTabStripArea, {1, 50, kStripWidth, bottom - 1});
  for (LumoUI::MControl* page : pages)
    if (page) page->SetRect({80, 50, right - 1, bottom - 1});
  if (no_device_text) no_device_text->SetRect({c - 240, 280, c + 240, 318});
  if (device_selector) device_selector->SetRect({c - 240, 318, c + 240, 580});
  if (tab_control) tab_control->SetRect({1, 60, 79, bottom - 10});
  PlaceSettingsTab();
  // Each page lays out its own controls here as the feature pages arrive.
}

void KeyboardDlg::PlaceSettingsTab() {
  if (!tab_control) return;
  // The settings tab sits at the bottom of the strip, apart from the others. The strip lays its
  // tabs out afresh whenever one is shown or hidden, so this follows every such change.
  const int bottom = client_.bottom;
  for (int i = 0; i < tab_control->GetItemCount(); ++i) {
    if (tab_control->GetItemID(i) != PageId::kSettings) continue;
    if (LumoUI::TabItemInfo* item = tab_control->GetItemInfo(i)) {
      item->rect.top = bottom - 106;
      item->rect.bottom = bottom - 36;
    }
  }
  tab_control->InvalidateRect(nullptr, 1);
}

void KeyboardDlg::UpdateCloseButtonTooltip() {
  if (close_button)
    close_button->SetTooltip(Text(ReadExitMode() == kExitModeExit ? 172 : 171).c_str());
}

// --- Start-up work ---

void KeyboardDlg::AddTrayIcon() {
  std::wstring tip = LumoUI::Manager::GetDeviceName();
  if (tip.size() > kTrayTipMax) tip.resize(kTrayTipMax);
  const platform::WindowId window = GetSafeHwnd();
  // Tray events may arrive on any thread: they are passed on as the tray message.
  tray_added_ = platform::Get<platform::Tray>().Add(
      platform::Get<platform::Folders>().ProgramFolder() / "skins" / "theme1" / "Keyvane.ico", tip,
      [window](platform::TrayEvent event) {
        platform::LParam mouse = platform::WM_LBUTTONDOWN;
        if (event == platform::TrayEvent::RightClick) mouse = platform::WM_RBUTTONUP;
        if (event == platform::TrayEvent::DoubleClick) mouse = platform::WM_LBUTTONDBLCLK;
        platform::Get<platform::Windows>().Post(window, Msg::kTray, 0, mouse);
      });
}

void KeyboardDlg::LoadConfiguration() {
  Configuration configuration;
  // A missing or damaged config.xml leaves the window without models: it shows no keyboard.
  ::LoadConfiguration(ConfigurationFile(), configuration);
  presence_.SetModeRecords(configuration.ModeRecords());
  RegisterSupportedModes(configuration, DeviceLink::Instance());
  software = configuration.software;
  if (version_text && !software.version.empty())
    version_text->SetControlTitle((L"Ver: " + software.version).c_str());
  if (legal_notice) legal_notice->SetControlTitle(software.copyright.c_str());
  models_ = configuration.models;
  LoadDeviceFile(kActiveDeviceType);
  // Plug notifications are matched against the mode records in OnDeviceChange.
}

void KeyboardDlg::LoadDeviceFile(int device_type) {
  device_type_ = device_type;
  const auto model = std::find_if(models_.begin(), models_.end(), [&](const KeyboardModel& m) {
    return m.device_type == device_type;
  });
  if (model == models_.end()) return;
  auto& store = DataStore::Instance();
  store.OpenStore(DataFolder(), model->name);
  store.SetDeviceId(device_type);
  device_file_.Load(DeviceFilePath(model->device_info));
  menu_flags = device_file_.MenuFlags();
  light = device_file_.Info().light;
  sleep_time = device_file_.Info().sleep_time;
  firmware = device_file_.Info().firmware;
  ApplyMenuFlags();
}

void KeyboardDlg::ApplyMenuFlags() {
  if (!tab_control) return;
  const int bits[] = {kMenuKeyAssignment, kMenuMacro, kMenuLighting};
  for (int item = 1; item <= 3; ++item)
    tab_control->SetItemVisible(item, (menu_flags & bits[item - 1]) != 0);
  PlaceSettingsTab();
}

void KeyboardDlg::ShowTabsForDevice() {
  const int type = device_type_;
  if (type > 299 || !tab_control) return;
  if (type >= 201) {
    menu_flags = 0x47;
    device_file_.SetMenuFlags(menu_flags);
  }
  for (int item = 1; item <= 3; ++item)
    tab_control->SetItemVisible(item, 1);
  tab_control->SetSelectItem(1);
}

// --- Jobs ---

void KeyboardDlg::QueueJob(int code) {
  jobs_.Append(code);
}

int KeyboardDlg::QueueJobWithBusyDialog(int code) {
  auto dialog = std::make_unique<WaitDlg>();
  if (!dialog->CreateOver(GetSafeHwnd())) {
    QueueJob(code);
    return -1;
  }
  jobs_.AppendWithBusyDialog(code, dialog.get());
  const int result = dialog->Run();
  jobs_.ForgetBusyDialog(dialog.get());
  return result;
}

void KeyboardDlg::Run() {
  if (const auto job = jobs_.Front()) RunJobOnWorker(*job);
  if (jobs_.Empty() && any_interface_) {
    // The live colour frame of the music and screen light modes is sent here once the lighting
    // page offers them.
  }
  {
    std::lock_guard lock(virtual_events_mutex_);
    if (!virtual_device_events_.empty()) {
      // Macro playback of the virtual device handles this event once it is built.
      virtual_device_events_.pop_front();
    }
  }
}

void KeyboardDlg::RunJobOnWorker(const JobQueue::Job& job) {
  if (JobRunsWithoutKeyboard(job.code)) {
    if (job.code == kJobFirstRefresh) {
      if (!first_refresh_done_) {
        first_refresh_done_ = true;
        RefreshDevicesOnWorker();
        StartVisualizer();
      }
    } else if (job.code == kJobSoftwareCheck) {
      CheckSoftwareUpdate();
    } else {
      RefreshDevicesOnWorker();
    }
    jobs_.RemoveFront();
    return;
  }
  if (!any_interface_ || !keyboard_connected_) {
    jobs_.RemoveFront();  // closes its busy dialog, if it has one
    return;
  }
  auto& windows = platform::Get<platform::Windows>();
  windows.Post(GetSafeHwnd(), Msg::kWorkerBusy, 1, 0);
  RunKeyboardJob(job.code);
  if (JobClosesBusyDialog(job.code) || job.busy_dialog) {
    jobs_.CloseBusyDialog();
    platform::Get<platform::Clock>().Sleep(std::chrono::milliseconds(100));
  }
  windows.Post(GetSafeHwnd(), Msg::kWorkerBusy, 0, 0);
  jobs_.RemoveFront();
}

void KeyboardDlg::RunKeyboardJob(int code) {
  switch (code) {
    case kJobReloadPages:
      // By menu flags: 0x02 macro list, 0x01 profile list and filter table, 0x04 lighting page.
      break;
    case kJobWriteKeyMap:
    case kJobWriteLight:
    case kJobWriteKeyColours:
    case kJobFactoryReset:
    case kJobFirmwareCheck:
    case kJobSoftwareDownload:
    case kJobFirmwareDownload:
      // Each feature fills its job in as it is built.
      break;
    default:
      break;  // job 4 and unknown codes do nothing
  }
}

void KeyboardDlg::RefreshDevicesOnWorker() {
  keyboard_connected_ = false;
  const DevicePresence::Outcome outcome = presence_.Refresh(DeviceLink::Instance(), device_type_);
  connection_mode_ = outcome.connection_mode;
  if (outcome.any_interface)
    KeyboardCommands::Instance().SetKeyboard(device_type_, outcome.connection_mode);
  keyboard_connected_ = outcome.keyboard_connected;
  any_interface_ = outcome.any_interface;
  // The window changes state on the UI thread.
  platform::Get<platform::Windows>().Post(GetSafeHwnd(), Msg::kDevicesRefreshed, 0, 0);
}

// --- Device state ---

void KeyboardDlg::ApplyDeviceState() {
  ClosePopups();
  if (!any_interface_) {
    ShowNoDeviceState(false);
    return;
  }
  if (no_device_text) no_device_text->SetControlTitle(Text(60).c_str());
  ShowTabsForDevice();
  const int mode = connection_mode_;
  if ((mode == 1 || mode == 2) && !keyboard_connected_) {
    ShowNoDeviceState(true);
    return;
  }
  ShowWorkingState();
}

void KeyboardDlg::ShowWorkingState() {
  for (LumoUI::MControl* control :
       {static_cast<LumoUI::MControl*>(tab_control), tab_strip_area, battery, connection_picture})
    if (control) control->SetVisible(1);
  if (tab_control && device_type_ < 300) tab_control->SetSelectItem(1);
  PlaceSettingsTab();
  // Selecting the tab shows the title and icon; set them also when it was selected already.
  if (page_caption) page_caption->SetControlTitle(Text(51).c_str());
  if (page_icon) {
    page_icon->SetImage(L"icon\\icon_keyboard.png", 1);
    page_icon->SetVisible(1);
  }
  InvalidateRect(nullptr);
  QueueJob(kJobFirmwareCheck);
  QueueJob(kJobReloadPages);
}

void KeyboardDlg::ShowNoDeviceState(bool wireless) {
  if (no_device_text) no_device_text->SetControlTitle(Text(61).c_str());
  if (tab_control) tab_control->SetSelectItem(0);
  SwitchPage(0);
  for (LumoUI::MControl* control : {static_cast<LumoUI::MControl*>(tab_control), tab_strip_area})
    if (control) control->SetVisible(0);
  if (wireless) {
    if (battery) battery->SetVisible(0);
    if (connection_picture) connection_picture->SetVisible(0);
  }
  if (page_caption) page_caption->SetControlTitle(L"");
  if (page_icon) page_icon->SetVisible(0);
  InvalidateRect(nullptr);
}

void KeyboardDlg::SwitchPage(int index) {
  if (!tab_control || index < 0 || index >= tab_control->GetItemCount()) return;
  const unsigned item_id = tab_control->GetItemID(index);
  current_page = item_id;
  const PageInfo* page = FindPage(item_id);
  if (!page) return;  // other ids only record the page
  SetHomeControlsVisible(item_id == PageId::kHome);
  if (item_id == PageId::kHome) {
    tab_control->SetVisible(0);
    if (tab_strip_area) tab_strip_area->SetVisible(0);
    if (page_caption) page_caption->SetControlTitle(L"");
    if (page_icon) page_icon->SetVisible(0);
  } else {
    if (page_caption) page_caption->SetControlTitle(Text(page->title_text).c_str());
    if (page_icon) {
      page_icon->SetImage(page->page_icon, 1);
      page_icon->SetVisible(1);
    }
    // The lighting page refreshes itself for the current mode here once it is built.
  }
  InvalidateRect(nullptr);
}

void KeyboardDlg::SetHomeControlsVisible(bool visible) {
  if (legal_notice) legal_notice->SetVisible(visible);
  if (version_text) version_text->SetVisible(visible);
}

// --- Popups, tray and closing ---

void KeyboardDlg::ClosePopups() {
  auto& windows = platform::Get<platform::Windows>();
  const struct {
    const wchar_t* title;
    int close_code;  // -1: hide instead
  } popups[] = {{L"CloseWindowTipDlg", 0}, {L"CustomKeyDlg", 0}, {L"WaitDlg", 0},
                {L"Menu Window", 0},       {L"MessageBox", 2},   {L"KeyboardTip Window", -1},
                {L"ComboWnd", -1}};
  for (const platform::WindowId window : windows.TopLevelWindows()) {
    if (window == GetSafeHwnd() || windows.GetClassName(window) != L"LumoClient") continue;
    const std::wstring title = windows.GetTitle(window);
    for (const auto& popup : popups) {
      if (title != popup.title) continue;
      if (popup.close_code < 0)
        windows.Show(window, platform::SW_HIDE);
      else
        windows.Post(window, platform::WM_CLOSE, popup.close_code, 0);
    }
  }
}

void KeyboardDlg::RestoreFromTray() {
  ShowWindow(platform::SW_SHOWNORMAL);
  BringToTop();
}

void KeyboardDlg::ExitApplication() {
  exit_requested_ = true;
  ReleaseVirtualKeys();
  Close();
}

void KeyboardDlg::Close() {
  if (closed_) return;
  closed_ = true;
  // The audio thread's run flag and the virtual device's filter stop here once they exist.
  if (IsRunning()) worker_stopped_in_time_ = Stop(CThreadBasic::kStopWait);
  if (tray_added_) platform::Get<platform::Tray>().Remove();
  tray_added_ = false;
  presence_.Clear();
  models_.clear();
  DestroyWindow();
}

// --- Message dispatch ---

long KeyboardDlg::OnWindowMessage(unsigned message, platform::WParam wparam,
                                  platform::LParam lparam) {
  for (const MessageRow& row : kMessageTable)
    if (row.message == message) return (this->*row.handler)(wparam, lparam);
  return MDialog::OnWindowMessage(message, wparam, lparam);
}

long KeyboardDlg::OnMessage(unsigned id, unsigned code, unsigned value, long lparam) {
  for (const NotificationRow& row : kNotificationTable)
    if (id >= row.first_id && id <= row.last_id)
      return (this->*row.handler)(id, code, value, lparam);
  return code == LumoUI::NOTIFY_CLICKED ? 1 : 0;
}

long KeyboardDlg::OnLButtonDown(unsigned, LumoUI::CPoint point) {
  // A press on any free part of the window drags it, as a caption would.
  ReleaseCapture();
  PostMessageW(platform::WM_NCLBUTTONDOWN, 2, platform::MakePointParam(point.x, point.y));
  return 0;
}

long KeyboardDlg::OnKeyHook(platform::WParam, platform::LParam) {
  return 0;  // the key assignment page names and handles hooked keys once it is built
}

long KeyboardDlg::OnDeviceChange(platform::WParam, platform::LParam) {
  // Plug events reach the window once the HID facility reports them; JobForDeviceChange turns
  // one into job 2 or 3.
  return 0;
}

long KeyboardDlg::OnTrayMessage(platform::WParam, platform::LParam mouse) {
  if (mouse == platform::WM_LBUTTONDOWN || mouse == platform::WM_LBUTTONDBLCLK) {
    RestoreFromTray();
  } else if (mouse == platform::WM_RBUTTONUP) {
    BringToTop();
    tray_menu_ = OpenTrayMenu(GetSafeHwnd(), Msg::kTrayMenuChoice);
  }
  return 0;
}

long KeyboardDlg::OnTrayMenuChoice(platform::WParam, platform::LParam command) {
  PostMessageW(platform::WM_COMMAND, static_cast<platform::WParam>(command), 0);
  return 0;
}

long KeyboardDlg::OnExitMessage(platform::WParam, platform::LParam lparam) {
  if (lparam == Msg::kExitConfirmation) ExitApplication();
  return 0;
}

long KeyboardDlg::OnFeatureMenuCommand(platform::WParam, platform::LParam) {
  return 0;  // key and macro menus arrive with their pages
}

long KeyboardDlg::OnLanguageChanged(platform::WParam wparam, platform::LParam lparam) {
  // Every text is read again here once the settings page can switch the language.
  return MDialog::OnWindowMessage(Msg::kLanguageChanged, wparam, lparam);
}

long KeyboardDlg::OnCommand(platform::WParam command, platform::LParam) {
  if (command == Msg::kTrayExit) {
    ExitApplication();
  } else if (command == Msg::kTrayCloseBehaviour) {
    ClosePopups();
    ShowCloseBehaviourDialog();
    UpdateCloseButtonTooltip();
  }
  return 0;
}

long KeyboardDlg::OnCloseMessage(platform::WParam, platform::LParam) {
  // A close request from outside (the desktop, a window manager) acts as the close button.
  return OnCloseButton(Id::kCloseButton, LumoUI::NOTIFY_CLICKED, 0, 0);
}

long KeyboardDlg::OnDevicesRefreshed(platform::WParam, platform::LParam) {
  ApplyDeviceState();
  return 0;
}

long KeyboardDlg::OnWorkerBusy(platform::WParam busy, platform::LParam) {
  EnableWindow(busy == 0);
  return 0;
}

long KeyboardDlg::OnCloseButton(unsigned, unsigned code, unsigned, long) {
  if (code != LumoUI::NOTIFY_CLICKED) return 0;
  int mode = ReadExitMode();
  if (mode == kExitModeNotChosen) {
    ShowCloseBehaviourDialog();
    mode = ReadExitMode();
  }
  if (mode == kExitModeHideToTray)
    ShowWindow(platform::SW_HIDE);
  else
    ExitApplication();
  return 1;
}

long KeyboardDlg::OnMinimizeButton(unsigned, unsigned code, unsigned, long) {
  if (code != LumoUI::NOTIFY_CLICKED) return 0;
  OnMinimize();
  return 1;
}

long KeyboardDlg::OnInertButton(unsigned, unsigned code, unsigned, long) {
  return code == LumoUI::NOTIFY_CLICKED ? 1 : 0;
}

long KeyboardDlg::OnWebsiteButton(unsigned, unsigned code, unsigned, long) {
  if (code != LumoUI::NOTIFY_CLICKED) return 0;
  if (!software.website.empty())
    platform::Get<platform::Shell>().Open(platform::ToUtf8(software.website));
  return 1;
}

long KeyboardDlg::OnTabControl(unsigned, unsigned code, unsigned value, long) {
  if (code != LumoUI::NOTIFY_CLICKED) return 0;
  SwitchPage(static_cast<int>(value));
  return 1;
}

long KeyboardDlg::OnDeviceSelector(unsigned, unsigned code, unsigned, long) {
  // The device selector reports its clicks once it is built; it picks the model to work with.
  return code == LumoUI::NOTIFY_CLICKED ? 1 : 0;
}

long KeyboardDlg::OnFeatureControl(unsigned, unsigned code, unsigned, long) {
  return code == LumoUI::NOTIFY_CLICKED ? 1 : 0;
}
