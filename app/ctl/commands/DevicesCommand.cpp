// keyvanectl devices: the HID interfaces present and what the program makes of each.
#include <cstdio>

#include "app/ctl/CtlCommand.h"
#include "app/ctl/Json.h"
#include "app/device/Discovery.h"
#include "platform/Text.h"

namespace {

std::string U8(const std::wstring& text) {
  return platform::ToUtf8(text);
}

void PrintJson(const DiscoveryResult& result) {
  JsonWriter json;
  json.BeginObject();
  json.Key("interfaces");
  json.BeginArray();
  for (const auto& decision : result.decisions) {
    const auto& info = decision.info;
    json.BeginObject();
    json.Key("path");
    json.String(info.path);
    json.Key("node");
    json.String(info.node);
    json.Key("vid");
    json.Number(static_cast<long long>(info.vendor_id));
    json.Key("pid");
    json.Number(static_cast<long long>(info.product_id));
    json.Key("interface_number");
    json.Number(static_cast<long long>(info.interface_number));
    json.Key("usage_page");
    json.Number(static_cast<long long>(info.usage_page));
    json.Key("usage");
    json.Number(static_cast<long long>(info.usage));
    json.Key("accepted");
    json.Bool(decision.outcome == OpenDecision::Outcome::Entry ||
              decision.outcome == OpenDecision::Outcome::SideChannel);
    json.Key("role");
    json.String(std::string(DescribeOutcome(decision.outcome)));
    json.EndObject();
  }
  json.EndArray();
  json.Key("chosen");
  result.chosen_path.empty() ? json.Null() : json.String(result.chosen_path);
  json.Key("side_channel");
  result.side_channel_path.empty() ? json.Null() : json.String(result.side_channel_path);
  json.Key("connection_mode");
  json.Number(static_cast<long long>(result.connection_mode));
  json.EndObject();
  std::fputs(json.Text().c_str(), stdout);
}

void PrintText(const DiscoveryResult& result) {
  if (result.decisions.empty()) std::printf("No HID interfaces.\n");
  for (const auto& decision : result.decisions) {
    const auto& info = decision.info;
    std::printf("%s  %04X:%04X usage %04X:%04X  %s\n", U8(info.path).c_str(), info.vendor_id,
                info.product_id, info.usage_page, info.usage, DescribeOutcome(decision.outcome));
  }
  std::printf("Chosen interface: %s\n",
              result.chosen_path.empty() ? "none" : U8(result.chosen_path).c_str());
  std::printf("Side channel: %s\n",
              result.side_channel_path.empty() ? "none" : U8(result.side_channel_path).c_str());
  std::printf("Connection mode: %d\n", result.connection_mode);
}

int RunDevices(const CtlOptions& options) {
  bool connected_only = false;
  for (const auto& argument : options.arguments) {
    if (argument != "--connected") return CtlFail("devices: unknown argument " + argument);
    connected_only = true;
  }
  Configuration configuration;
  if (!CtlLoadConfiguration(configuration)) return 1;
  DeviceLink link;
  RegisterSupportedModes(configuration, link);
  const DiscoveryResult result = DiscoverKeyboard(link, kActiveDeviceType);
  if (connected_only) {
    // For scripts: exit status 0 when a supported keyboard is connected.
    if (!result.Found()) return 1;
    std::printf("%s\n", U8(result.chosen_path).c_str());
    return 0;
  }
  options.json ? PrintJson(result) : PrintText(result);
  return 0;
}

const CtlCommandRegistration registration(
    {"devices", "[--connected] [--json]",
     "list HID interfaces and the keyboard interfaces the program would use", &RunDevices});

}  // namespace
