#pragma once

#include <memory>

#include "platform/Windows.h"
#include "ui/widgets/MenuWnd.h"

// Opens the tray icon's menu: close behaviour (command 200) and exit (command 100), in the screen's
// bottom-right corner where trays sit. The menu closes on a choice or when it loses activation; a
// choice reaches `owner` as `message` with the command in lParam. Null when no menu can be shown.
std::unique_ptr<LumoUI::MenuWnd> OpenTrayMenu(platform::WindowId owner, uint32_t message);
