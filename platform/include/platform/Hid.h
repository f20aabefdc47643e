#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

// One HID interface as enumeration reports it.
struct HidInterfaceInfo {
  // Identity path in the form \\?\HID#VID_vvvv&PID_pppp&MI_ii#<instance> (upper-case hex), so the
  // interface number can be matched by substring ("&MI_03") as the keyboard's files expect.
  std::wstring path;
  // What the back end opens (/dev/hidrawN); empty for simulated interfaces.
  std::string node;
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
  uint16_t release_number = 0;
  uint16_t usage_page = 0;
  uint16_t usage = 0;
  int interface_number = -1;
  std::wstring product;  // product string; enumeration leaves it empty
};

// An opened HID interface. Transfers return the number of bytes moved, or -1 on failure.
class HidDevice {
 public:
  virtual ~HidDevice() = default;

  // Sends an output report (first byte the report id), padded with zeros to the interface's
  // output report length when that is longer.
  virtual int Write(std::span<const uint8_t> report) = 0;
  virtual int SendFeatureReport(std::span<const uint8_t> report) = 0;
  // `report` holds the report id in its first byte on entry and the answer on return.
  virtual int GetFeatureReport(std::span<uint8_t> report) = 0;
  virtual const std::wstring& LastError() const = 0;
};

// A device interface arriving or leaving, as the plug notification delivers it.
struct HidPlugEvent {
  enum class Kind { Arrival, Removal };
  Kind kind = Kind::Arrival;
  std::wstring path;
};

class Hid {
 public:
  virtual ~Hid() = default;

  // Every HID interface present, in a stable order.
  virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
  // Opens an enumerated interface by its identity path; null when it cannot be opened.
  virtual std::unique_ptr<HidDevice> Open(const std::wstring& path) = 0;

  // Plug and unplug notifications; the listener may be called from another thread. Passing an
  // empty function stops them.
  virtual void SetPlugListener(std::function<void(const HidPlugEvent&)> listener) = 0;
};

}  // namespace platform
