#pragma once

#include <cstdint>

#include "platform/WindowMessages.h"

// Control ids of the main window. Feature pages add theirs in the ranges their pages own.
namespace MainWindowId {
constexpr unsigned kBackground = 30;
constexpr unsigned kEdgeLeft = 31;
constexpr unsigned kEdgeRight = 32;
constexpr unsigned kEdgeTop = 33;
constexpr unsigned kEdgeBottom = 34;
constexpr unsigned kCaptionArea = 35;
constexpr unsigned kCaptionPicture = 36;
constexpr unsigned kLogo = 37;
constexpr unsigned kModelCaption = 38;
constexpr unsigned kPageCaption = 39;
constexpr unsigned kPageIcon = 40;
constexpr unsigned kCloseButton = 41;
constexpr unsigned kMinimizeButton = 42;
constexpr unsigned kInertButton = 43;
constexpr unsigned kWebsiteButton = 44;
constexpr unsigned kBattery = 46;
constexpr unsigned kConnectionPicture = 47;
constexpr unsigned kTabStripArea = 48;
constexpr unsigned kTabControl = 49;
constexpr unsigned kFirstPage = 50;     // pages 50 to 55: page id = 50 + tab item id
constexpr unsigned kNoDeviceText = 55;  // inside the home page
constexpr unsigned kDeviceSelector = 56;
constexpr unsigned kLegalNotice = 57;
constexpr unsigned kVersionText = 58;
constexpr unsigned kOtherInertButton = 102;
}  // namespace MainWindowId

// Tab item ids: the pages of the tab strip.
namespace PageId {
constexpr unsigned kHome = 0;
constexpr unsigned kKeyAssignment = 1;
constexpr unsigned kMacros = 2;
constexpr unsigned kLighting = 3;
constexpr unsigned kSettings = 5;
}  // namespace PageId

// Messages of the main window. The numbers are fixed: other processes and hooks send them.
namespace MainWindowMessage {
constexpr uint32_t kKeyHook = 1654;
constexpr uint32_t kTray = 1690;
constexpr uint32_t kExit = 1691;
constexpr platform::LParam kExitConfirmation = 610;  // lParam that makes 1691 an exit request
constexpr uint32_t kKeyMenu = 1825;
constexpr uint32_t kMacroMenu = 1827;
constexpr uint32_t kLanguageChanged = 2022;
// WM_COMMAND ids of the tray menu.
constexpr platform::WParam kTrayExit = 100;
constexpr platform::WParam kTrayCloseBehaviour = 200;
// Posted by the worker to the window it serves, so window work stays on the UI thread.
constexpr uint32_t kDevicesRefreshed = platform::WM_APP + 1;
constexpr uint32_t kWorkerBusy = platform::WM_APP + 2;  // wParam 1: a job started, 0: it ended
// Posted by the tray menu with the chosen WM_COMMAND id in lParam.
constexpr uint32_t kTrayMenuChoice = platform::WM_APP + 3;
}  // namespace MainWindowMessage
