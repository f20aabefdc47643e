#include "sim/SimulatedKeyboard.h"

#include <cstdio>
#include <sstream>

#include "platform/Backend.h"

namespace sim {
namespace {

struct InterfaceShape {
  int number;
  uint16_t usage_page;
  uint16_t usage;
};

constexpr InterfaceShape kInterfaces[] = {
    {0, 0x0001, 0x0006},  // the standard keyboard
    {1, 0xFF01, 0x0001},  // vendor commands
    {3, 0xFF01, 0x0001},  // side channel
};

// One interface of the simulated keyboard: hands every transfer to the firmware, saying which
// connection mode and interface it came through.
class SimulatedInterface final : public platform::FakeHidEndpoint {
 public:
  SimulatedInterface(platform::HidInterfaceInfo info, int connection_mode,
                     std::shared_ptr<SimulatedFirmware> firmware)
      : info_(std::move(info)), connection_mode_(connection_mode), firmware_(std::move(firmware)) {}

  platform::HidInterfaceInfo Info() const override { return info_; }
  int OnWrite(std::span<const uint8_t> report) override {
    return firmware_->OnWrite(connection_mode_, info_.interface_number, report);
  }
  int OnSetFeature(std::span<const uint8_t> report) override {
    return firmware_->OnSetFeature(connection_mode_, info_.interface_number, report);
  }
  int OnGetFeature(std::span<uint8_t> report) override {
    return firmware_->OnGetFeature(connection_mode_, info_.interface_number, report);
  }

 private:
  platform::HidInterfaceInfo info_;
  int connection_mode_;
  std::shared_ptr<SimulatedFirmware> firmware_;
};

}  // namespace

SimulatedKeyboard::SimulatedKeyboard(std::shared_ptr<platform::FakeHidBus> bus)
    : bus_(std::move(bus)) {}

SimulatedKeyboard::~SimulatedKeyboard() {
  // Handles may outlive the keyboard; its firmware must not call back into it.
  firmware_->UnplugAfterTransfers(0, {});
  for (int mode : std::set<int>(plugged_))
    UnplugMode(mode);
}

std::wstring SimulatedKeyboard::InterfacePath(int connection_mode, int interface_number) {
  wchar_t path[96];
  std::swprintf(path, 96, L"\\\\?\\HID#VID_%04X&PID_%04X&MI_%02X#SIM&%d&%04X", kVendorId,
                kProductIds[connection_mode], interface_number, connection_mode, interface_number);
  return path;
}

void SimulatedKeyboard::PlugMode(int connection_mode) {
  if (connection_mode < 0 || connection_mode > 2 || plugged_.contains(connection_mode)) return;
  for (const auto& shape : kInterfaces) {
    platform::HidInterfaceInfo info;
    info.path = InterfacePath(connection_mode, shape.number);
    info.vendor_id = kVendorId;
    info.product_id = kProductIds[connection_mode];
    info.release_number = 0x0100;
    info.usage_page = shape.usage_page;
    info.usage = shape.usage;
    info.interface_number = shape.number;
    bus_->Plug(std::make_shared<SimulatedInterface>(info, connection_mode, firmware_));
  }
  plugged_.insert(connection_mode);
}

void SimulatedKeyboard::UnplugMode(int connection_mode) {
  if (!plugged_.erase(connection_mode)) return;
  for (const auto& shape : kInterfaces)
    bus_->Unplug(InterfacePath(connection_mode, shape.number));
}

bool SimulatedKeyboard::IsPlugged(int connection_mode) const {
  return plugged_.contains(connection_mode);
}

void SimulatedKeyboard::RemoveSideChannel(int connection_mode) {
  if (plugged_.contains(connection_mode))
    bus_->Unplug(InterfacePath(connection_mode, SimulatedFirmware::kSideInterface));
}

void SimulatedKeyboard::UnplugAfterTransfers(int nth) {
  firmware_->UnplugAfterTransfers(nth, [this] {
    for (int mode : std::set<int>(plugged_))
      UnplugMode(mode);
  });
}

SimulatedKeyboard& PlugSimulatedKeyboard(const std::vector<int>& connection_modes) {
  auto bus = std::make_shared<platform::FakeHidBus>();
  platform::Install<platform::Hid>(bus);
  static SimulatedKeyboard* keyboard = nullptr;
  delete keyboard;
  keyboard = new SimulatedKeyboard(bus);
  for (int mode : connection_modes)
    keyboard->PlugMode(mode);
  return *keyboard;
}

bool ParseSimulatedModes(const std::string& text, std::vector<int>& modes) {
  modes.clear();
  if (text.empty()) {
    modes = {0, 1, 2};
    return true;
  }
  std::stringstream list(text);
  std::string item;
  while (std::getline(list, item, ',')) {
    if (item != "0" && item != "1" && item != "2") return false;
    modes.push_back(item[0] - '0');
  }
  return !modes.empty();
}

}  // namespace sim
