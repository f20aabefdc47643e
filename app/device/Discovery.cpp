#include "app/device/Discovery.h"

void RegisterSupportedModes(const Configuration& configuration, DeviceLink& link) {
  link.ClearSupportedModes();
  for (const auto& model : configuration.models) {
    for (const auto& mode : model.modes) {
      link.AddSupportedMode(SupportedMode{mode.vid, mode.pid, mode.product_name, model.device_type,
                                          mode.value, mode.hid_interface});
    }
  }
}

DiscoveryResult DiscoverKeyboard(DeviceLink& link, int device_type) {
  DiscoveryResult result;
  link.Close();
  result.decisions = link.Open();
  link.SetSelectedType(device_type);
  result.chosen_path = link.ChosenPath();
  result.connection_mode = link.AvailableConnectionMode();
  result.side_channel_path = link.SideChannelPath();
  std::vector<InterfaceEntry> entries;
  link.SetOpen(link.Collect(entries));
  return result;
}
