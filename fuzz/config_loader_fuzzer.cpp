// Feeds arbitrary bytes to the config.xml loader and uses what it accepts as the program would.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/device/Discovery.h"
#include "app/model/Configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Configuration configuration;
  if (ParseConfiguration(std::string_view(reinterpret_cast<const char*>(data), size),
                         configuration) != XmlDocument::LoadResult::Ok) {
    return 0;
  }
  DeviceLink link;
  RegisterSupportedModes(configuration, link);
  configuration.ModeRecords();
  configuration.FindModel(kActiveDeviceType);
  return 0;
}
