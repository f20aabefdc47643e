#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace platform {

// The identity path of a HID interface: \\?\HID#VID_vvvv&PID_pppp&MI_ii#<instance>, upper-case
// hex; "&MI_ii" is left out when the interface number is unknown (-1), and "&COLnn" follows it when
// one device node carries several top-level collections (collection 1, 2, ...; 0 for none).
std::wstring MakeIdentityPath(uint16_t vendor_id, uint16_t product_id, int interface_number,
                              const std::string& instance, int collection);

// The instance part of a hidraw node's identity: the name of its HID device in sysfs
// ("0003:1209:0005.0001" becomes "0003&1209&0005&0001"), or the node's own name when sysfs does not
// say. `sysfs` is normally "/sys".
std::string HidrawInstance(const std::filesystem::path& sysfs, const std::string& node);

}  // namespace platform
