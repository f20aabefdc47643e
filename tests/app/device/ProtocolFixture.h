#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "app/device/Discovery.h"
#include "app/device/KeyboardCommands.h"
#include "platform/Backend.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeHidBus.h"
#include "sim/SimulatedKeyboard.h"

// Device types of the two families that take writes.
constexpr int kFamilyA = 101;
constexpr int kFamilyB = 201;

// The simulated keyboard on a fake bus, on virtual time, reached through a link and the commands
// as the program reaches it.
class ProtocolFixture : public testing::Test {
 protected:
  // Plugs the keyboard in by `modes`, registers it as `device_type` and opens it.
  void Connect(int device_type, const std::vector<int>& modes) {
    for (int mode = 0; mode < 3; ++mode)
      link_.AddSupportedMode({sim::kVendorId, sim::kProductIds[mode], L"", device_type, mode, L""});
    for (int mode : modes)
      keyboard_.PlugMode(mode);
    const DiscoveryResult result = DiscoverKeyboard(link_, device_type);
    commands_.SetKeyboard(device_type, result.connection_mode);
    Firmware().ClearReports();
    start_ = clock_->Now();
  }

  sim::SimulatedFirmware& Firmware() { return keyboard_.Firmware(); }

  // Milliseconds of virtual time since Connect.
  double ElapsedMs() { return Ms(clock_->Now() - start_); }

  static double Ms(platform::Clock::Duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
  }

  std::shared_ptr<platform::FakeClock> clock_ = std::make_shared<platform::FakeClock>();
  platform::ScopedBackend<platform::Clock> installed_clock_{clock_};
  std::shared_ptr<platform::FakeHidBus> bus_ = std::make_shared<platform::FakeHidBus>();
  platform::ScopedBackend<platform::Hid> installed_bus_{bus_};
  sim::SimulatedKeyboard keyboard_{bus_};
  DeviceLink link_;
  KeyboardCommands commands_{link_};
  platform::Clock::Duration start_{};
};
