#pragma once

#include <array>

#include "app/model/Configuration.h"
#include "app/model/DeviceInfo.h"

namespace LumoUI {
class MControl;
class MPicture;
class MTabCtrl;
class MText;
class MButton;
}  // namespace LumoUI

// What the main window and its pages share: the controls made in InitUI (null where this build
// does not offer the control yet) and the page settings that several pages read.
struct KeyboardDef {
  static constexpr int kPageCount = 6;  // pages 50 to 55, one per tab item id 0 to 5

  LumoUI::MText* model_caption = nullptr;
  LumoUI::MText* page_caption = nullptr;
  LumoUI::MPicture* page_icon = nullptr;
  LumoUI::MButton* close_button = nullptr;
  LumoUI::MControl* tab_strip_area = nullptr;
  LumoUI::MTabCtrl* tab_control = nullptr;
  std::array<LumoUI::MControl*, kPageCount> pages{};
  LumoUI::MText* no_device_text = nullptr;
  LumoUI::MControl* device_selector = nullptr;
  LumoUI::MText* legal_notice = nullptr;
  LumoUI::MText* version_text = nullptr;
  LumoUI::MControl* battery = nullptr;
  LumoUI::MControl* connection_picture = nullptr;

  int menu_flags = 0;
  LightInfo light;
  bool sleep_time = false;
  SoftwareInfo software;  // version and web addresses from config.xml
  FirmwareInfo firmware;
  int current_profile = 1;
  unsigned current_page = 0;  // tab item id last selected
};
