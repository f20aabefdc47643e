#include "app/model/DeviceInfo.h"

#include "app/model/MenuFlags.h"
#include "app/text/Numbers.h"
#include "app/xml/XmlDocument.h"

namespace {

int Decimal(const XmlDocument& document, const wchar_t* attribute) {
  return LeadingDecimal(document.GetAttrib(attribute));
}

void ReadLight(XmlDocument& document, LightInfo& light) {
  light.found = true;
  light.rgb_keyboard = Decimal(document, L"rgb_keyboard") == 1;
  light.default_mode = Decimal(document, L"default_mode");
  light.default_brightness = Decimal(document, L"default_brightness");
  light.default_speed = Decimal(document, L"default_speed");
  light.brightness_max = Decimal(document, L"brightness_max");
  light.speed_max = Decimal(document, L"speed_max");
  document.IntoElem();
  while (document.FindElem(L"info")) {
    light.modes.push_back(LightModeInfo{document.GetAttrib(L"name"), Decimal(document, L"mode"),
                                        Decimal(document, L"attribute")});
  }
  document.OutOfElem();
}

}  // namespace

void ReadDeviceInfo(XmlDocument& document, DeviceInfo& info, int& menu_flags) {
  info = DeviceInfo();
  if (document.FindElem(L"menu")) {
    info.menu_found = true;
    menu_flags = kMenuBase;
    if (Decimal(document, L"macro") == 1) menu_flags |= kMenuMacro;
    if (Decimal(document, L"light_mode") == 1) menu_flags |= kMenuLighting;
  }
  if (document.FindElem(L"function")) info.sleep_time = Decimal(document, L"sleep_time") == 1;
  if (document.FindElem(L"firmware")) {
    info.firmware.version = document.GetAttrib(L"version");
    info.firmware.file = document.GetAttrib(L"file");
    info.firmware.url = document.GetAttrib(L"url");
  }
  if (document.FindElem(L"light")) ReadLight(document, info.light);
}
