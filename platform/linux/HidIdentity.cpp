#include "platform/linux/HidIdentity.h"

#include <cwctype>
#include <system_error>

#include "platform/Text.h"

namespace platform {

std::wstring MakeIdentityPath(uint16_t vendor_id, uint16_t product_id, int interface_number,
                              const std::string& instance, int collection) {
  wchar_t head[64];
  std::swprintf(head, 64, L"\\\\?\\HID#VID_%04X&PID_%04X", vendor_id, product_id);
  std::wstring path = head;
  if (interface_number >= 0) {
    wchar_t part[16];
    std::swprintf(part, 16, L"&MI_%02X", interface_number & 0xFF);
    path += part;
  }
  if (collection > 0) {
    wchar_t part[16];
    std::swprintf(part, 16, L"&COL%02d", collection % 100);
    path += part;
  }
  path += L'#';
  for (wchar_t c : FromUtf8(instance))
    path += static_cast<wchar_t>(std::towupper(c));
  return path;
}

std::string HidrawInstance(const std::filesystem::path& sysfs, const std::string& node) {
  const std::string name = std::filesystem::path(node).filename().string();
  std::error_code error;
  const auto device =
      std::filesystem::canonical(sysfs / "class" / "hidraw" / name / "device", error);
  std::string instance = error ? name : device.filename().string();
  for (auto& c : instance) {
    if (c == ':' || c == '.' || c == '#' || c == '\\') c = '&';
  }
  return instance;
}

}  // namespace platform
