#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/FakeHidBus.h"
#include "sim/SimulatedFirmware.h"

namespace sim {

// The USB identity of the simulated keyboard in each connection mode (cable, and the two wireless
// receivers); data/config.xml lists the same.
constexpr uint16_t kVendorId = 0x1209;
constexpr uint16_t kProductIds[3] = {0x0005, 0x0006, 0x0007};

// A device-type-201 keyboard made of the HID interfaces a real one exposes in each connection mode:
// the vendor command interface (interface 1), the side channel for the live colour stream
// (interface 3), both on the vendor usage page 0xFF01 with usage 1, and the standard keyboard
// interface (interface 0, usage page 1, usage 6) that the program must open, find unsuitable and
// close again. Behind every interface sits one firmware model that answers the command protocol.
class SimulatedKeyboard {
 public:
  explicit SimulatedKeyboard(std::shared_ptr<platform::FakeHidBus> bus);
  ~SimulatedKeyboard();

  // Plugs in or pulls out the interfaces of one connection mode (0, 1 or 2).
  void PlugMode(int connection_mode);
  void UnplugMode(int connection_mode);
  bool IsPlugged(int connection_mode) const;
  // Pulls out only the side channel of one connection mode, as a keyboard without it would be.
  void RemoveSideChannel(int connection_mode);
  // Pulls out every connection mode right after the `nth` transfer from now: a keyboard unplugged
  // in the middle of an exchange.
  void UnplugAfterTransfers(int nth);

  SimulatedFirmware& Firmware() { return *firmware_; }

  // The identity path of one interface of one mode.
  static std::wstring InterfacePath(int connection_mode, int interface_number);

 private:
  std::shared_ptr<platform::FakeHidBus> bus_;
  std::shared_ptr<SimulatedFirmware> firmware_ = std::make_shared<SimulatedFirmware>();
  std::set<int> plugged_;
};

// Installs a fake HID bus as the HID back end and plugs the simulated keyboard in with the given
// connection modes: what `--simulate` does. The keyboard stays plugged for the life of the process.
SimulatedKeyboard& PlugSimulatedKeyboard(const std::vector<int>& connection_modes);

// Parses the connection modes of a --simulate option: "" for every mode, or a list like "1,2".
// False when the list holds anything but 0, 1 and 2.
bool ParseSimulatedModes(const std::string& text, std::vector<int>& modes);

}  // namespace sim
