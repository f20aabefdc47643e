// keyvanectl firmware: reads the keyboard's firmware version.
#include <cstdio>

#include "app/ctl/CtlCommand.h"
#include "app/ctl/Json.h"
#include "app/device/Discovery.h"
#include "app/device/KeyboardCommands.h"

namespace {

int RunFirmware(const CtlOptions& options) {
  if (!options.arguments.empty())
    return CtlFail("firmware: unknown argument " + options.arguments.front());
  Configuration configuration;
  if (!CtlLoadConfiguration(configuration)) return 1;
  DeviceLink link;
  RegisterSupportedModes(configuration, link);
  const DiscoveryResult result = DiscoverKeyboard(link, kActiveDeviceType);
  if (!result.Found()) return CtlFail("firmware: no keyboard connected");
  KeyboardCommands commands(link);
  commands.SetKeyboard(kActiveDeviceType, result.connection_mode);
  int version = 0;
  if (!commands.ReadFirmwareVersion(version))
    return CtlFail("firmware: the keyboard did not answer the version request");
  // The version is shown in hexadecimal digits, as the update check compares it.
  char text[16];
  std::snprintf(text, sizeof text, "%x", version);
  if (options.json) {
    JsonWriter json;
    json.BeginObject();
    json.Key("version");
    json.Number(static_cast<long long>(version));
    json.Key("text");
    json.String(std::string(text));
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
  } else {
    std::printf("Firmware version %s (0x%04X)\n", text, version);
  }
  return 0;
}

const CtlCommandRegistration registration({"firmware", "[--json]",
                                           "read the keyboard's firmware version", &RunFirmware});

}  // namespace
