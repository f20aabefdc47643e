#pragma once

#include <atomic>
#include <deque>
#include <mutex>
#include <string>

#include "app/model/DeviceFile.h"
#include "app/shell/CThreadBasic.h"
#include "app/shell/DevicePresence.h"
#include "app/shell/JobQueue.h"
#include "app/shell/KeyboardDef.h"
#include "ui/core/MDialog.h"
#include "ui/widgets/MenuWnd.h"

// The program's main window: caption bar, vertical tab strip and five pages (home, key
// assignment, macros, lighting, settings), the tray icon, and the worker that runs every lengthy
// exchange with the keyboard as a queued job while the window stays responsive.
//
// Threads: everything here runs on the UI thread except Run and what it calls (the worker). The
// worker touches the job queue and the device presence (both locked) and reaches the window only
// by posting to it.
class KeyboardDlg : public LumoUI::MDialog, public KeyboardDef, public CThreadBasic {
 public:
  static constexpr int kWidth = 1280;
  static constexpr int kHeight = 720;
  static constexpr int kTrayTipMax = 127;
  // The model caption until a feature page names the model.
  static constexpr const wchar_t* kDefaultModelCaption =
      L"Orvelle KT310 Mechanical Gaming Keyboard";

  KeyboardDlg();
  ~KeyboardDlg() override;

  // Creates the window, titled with the device name and centred on the screen; false when no
  // window can be made.
  bool CreateMainWindow();
  // Runs the window until it is gone. 0 when the program ended through its exit path, else 1.
  int RunMainWindow();

  long OnWindowMessage(unsigned message, platform::WParam wparam, platform::LParam lparam) override;
  int OnInitDialog() override;
  void InitUI(LumoUI::CRect client) override;
  void UISize(LumoUI::CRect client) override;
  long OnMessage(unsigned id, unsigned code, unsigned wparam, long lparam) override;
  long OnLButtonDown(unsigned flags, LumoUI::CPoint point) override;
  long OnTimer(unsigned) override { return 0; }
  // Stops the worker (at most a second), removes the tray icon and destroys the window.
  virtual void Close();

  // Appends a job for the worker.
  void QueueJob(int code);
  // Appends a job behind the busy dialog, shown modally over the window until the worker closes
  // it. Returns the dialog's close code, -1 when no dialog could be shown (the job runs anyway).
  int QueueJobWithBusyDialog(int code);
  // Closes or hides the popups that belong to the window before it changes state.
  void ClosePopups();
  // Ends the program: virtual keys released, tray icon removed, the window closed.
  void ExitApplication();
  // Shows the key, macro and lighting tabs for a keyboard the pages can serve.
  void ShowTabsForDevice();
  // The tab control selected the tab at `index`: shows its title and page icon.
  void SwitchPage(int index);

  JobQueue& Jobs() { return jobs_; }
  DevicePresence& Presence() { return presence_; }
  const DeviceFile& GetDeviceFile() const { return device_file_; }
  bool AnyInterface() const { return any_interface_; }
  bool KeyboardConnected() const { return keyboard_connected_; }
  int ConnectionMode() const { return connection_mode_; }
  int DeviceType() const { return device_type_; }
  bool TrayAdded() const { return tray_added_; }
  bool ExitRequested() const { return exit_requested_; }
  // False when the last Close had to leave a hung job behind.
  bool WorkerStoppedInTime() const { return worker_stopped_in_time_; }

 protected:
  // One worker cycle, every 16 ms.
  void Run() override;
  virtual void StartWorker();
  // Runs a job that needs a keyboard (every job but 1, 2, 3 and 12), with the window disabled.
  virtual void RunKeyboardJob(int code);
  // Hooks of features built later: each does nothing yet.
  virtual void EnsureVirtualDevice() {}
  virtual void ReleaseVirtualKeys() {}
  virtual void StartVisualizer() {}
  virtual void CheckSoftwareUpdate() {}
  virtual void ShowCloseBehaviourDialog() {}

 private:
  struct MessageRow {
    uint32_t message;
    long (KeyboardDlg::*handler)(platform::WParam, platform::LParam);
  };
  struct NotificationRow {
    unsigned first_id;
    unsigned last_id;
    long (KeyboardDlg::*handler)(unsigned id, unsigned code, unsigned value, long lparam);
  };
  static const MessageRow kMessageTable[];
  static const NotificationRow kNotificationTable[];

  // Window messages.
  long OnKeyHook(platform::WParam, platform::LParam);
  long OnDeviceChange(platform::WParam, platform::LParam);
  long OnTrayMessage(platform::WParam, platform::LParam);
  long OnTrayMenuChoice(platform::WParam, platform::LParam);
  long OnExitMessage(platform::WParam, platform::LParam);
  long OnFeatureMenuCommand(platform::WParam, platform::LParam);
  long OnLanguageChanged(platform::WParam, platform::LParam);
  long OnCommand(platform::WParam, platform::LParam);
  long OnDevicesRefreshed(platform::WParam, platform::LParam);
  long OnWorkerBusy(platform::WParam, platform::LParam);
  long OnCloseMessage(platform::WParam, platform::LParam);

  // Control notifications.
  long OnCloseButton(unsigned, unsigned, unsigned, long);
  long OnMinimizeButton(unsigned, unsigned, unsigned, long);
  long OnInertButton(unsigned, unsigned, unsigned, long);
  long OnWebsiteButton(unsigned, unsigned, unsigned, long);
  long OnTabControl(unsigned, unsigned, unsigned, long);
  long OnDeviceSelector(unsigned, unsigned, unsigned, long);
  long OnFeatureControl(unsigned, unsigned, unsigned, long);

  void CreateCaptionBar();
  void CreateTabStrip();
  void CreateHomePage();
  void AddTrayIcon();
  void LoadConfiguration();
  void LoadDeviceFile(int device_type);
  void ApplyMenuFlags();
  void ApplyDeviceState();
  void ShowWorkingState();
  void ShowNoDeviceState(bool wireless);
  void RestoreFromTray();
  void SetHomeControlsVisible(bool visible);
  void PlaceSettingsTab();
  void UpdateCloseButtonTooltip();
  void RunJobOnWorker(const JobQueue::Job& job);
  void RefreshDevicesOnWorker();

  JobQueue jobs_;
  DevicePresence presence_;
  DeviceFile device_file_;
  std::vector<KeyboardModel> models_;
  std::atomic<bool> any_interface_{false};
  std::atomic<bool> keyboard_connected_{false};
  std::atomic<int> connection_mode_{-1};
  std::atomic<int> device_type_{0};
  bool first_refresh_done_ = false;  // worker only
  bool light_mode_sent_ = true;
  bool virtual_device_in_use_ = true;
  bool tray_added_ = false;
  std::unique_ptr<LumoUI::MenuWnd> tray_menu_;  // the last tray menu opened
  bool exit_requested_ = false;
  bool worker_stopped_in_time_ = true;
  bool closed_ = false;
  std::mutex virtual_events_mutex_;
  std::deque<int> virtual_device_events_;  // macro playback events of the virtual device
};
