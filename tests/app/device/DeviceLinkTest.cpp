#include "app/device/DeviceLink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/device/Discovery.h"
#include "platform/Backend.h"
#include "platform/fake/FakeHidBus.h"
#include "sim/SimulatedKeyboard.h"

namespace {

using Outcome = OpenDecision::Outcome;

// The simulated keyboard's three connection modes, as data/config.xml lists them.
std::vector<SupportedMode> SimulatedModes() {
  std::vector<SupportedMode> modes;
  for (int mode = 0; mode < 3; ++mode) {
    modes.push_back({sim::kVendorId, sim::kProductIds[mode], L"", 201, mode,
                     L"VID_1209&PID_000" + std::to_wstring(5 + mode)});
  }
  return modes;
}

class DeviceLinkTest : public testing::Test {
 protected:
  void AddModes(const std::vector<SupportedMode>& modes) {
    for (const auto& mode : modes)
      link_.AddSupportedMode(mode);
  }

  // Opens as the program does after a plug event, with device type 201 selected.
  DiscoveryResult Discover() { return DiscoverKeyboard(link_, 201); }

  std::shared_ptr<platform::FakeHidBus> bus_ = std::make_shared<platform::FakeHidBus>();
  platform::ScopedBackend<platform::Hid> installed_{bus_};
  sim::SimulatedKeyboard keyboard_{bus_};
  DeviceLink link_;
};

struct ChoiceCase {
  std::vector<int> plugged;
  int chosen_mode;     // -1: no interface chosen
  int available_mode;  // what is recorded as the connection mode
};

TEST_F(DeviceLinkTest, ChoosesCableFirstButRecordsTheSecondReceiverBeforeTheFirst) {
  AddModes(SimulatedModes());
  const ChoiceCase cases[] = {
      {{0, 1, 2}, 0, 0}, {{1, 2}, 1, 2}, {{2, 1}, 1, 2}, {{1}, 1, 1},
      {{2}, 2, 2},       {{0, 2}, 0, 0}, {{}, -1, -1},
  };
  for (const auto& c : cases) {
    for (int mode = 0; mode < 3; ++mode)
      keyboard_.UnplugMode(mode);
    for (int mode : c.plugged)
      keyboard_.PlugMode(mode);
    const DiscoveryResult result = Discover();
    const std::wstring expected =
        c.chosen_mode < 0 ? L"" : sim::SimulatedKeyboard::InterfacePath(c.chosen_mode, 1);
    EXPECT_EQ(result.chosen_path, expected) << "plugged " << c.plugged.size();
    EXPECT_EQ(result.connection_mode, c.available_mode) << "plugged " << c.plugged.size();
    EXPECT_EQ(link_.IsOpen(), c.chosen_mode >= 0);
  }
}

TEST_F(DeviceLinkTest, SortsInterfacesIntoEntriesSideChannelAndRejects) {
  AddModes(SimulatedModes());
  keyboard_.PlugMode(0);
  const DiscoveryResult result = Discover();
  ASSERT_EQ(result.decisions.size(), 3u);
  EXPECT_EQ(result.decisions[0].outcome, Outcome::NotVendorInterface);  // the standard keyboard
  EXPECT_EQ(result.decisions[1].outcome, Outcome::Entry);
  EXPECT_EQ(result.decisions[2].outcome, Outcome::SideChannel);
  // The standard keyboard interface was opened, found unsuitable and closed again.
  auto& bus = *bus_;
  EXPECT_EQ(bus.OpenHandles(sim::SimulatedKeyboard::InterfacePath(0, 0)), 0);
  EXPECT_EQ(bus.OpenHandles(sim::SimulatedKeyboard::InterfacePath(0, 1)), 1);
  EXPECT_EQ(bus.OpenHandles(sim::SimulatedKeyboard::InterfacePath(0, 3)), 1);

  std::vector<InterfaceEntry> entries;
  ASSERT_TRUE(link_.Collect(entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].device_type, 201);
  EXPECT_EQ(entries[0].cable, 1);
  EXPECT_EQ(link_.Find(sim::kVendorId, sim::kProductIds[0], L"", 0), 0);
  EXPECT_EQ(link_.Find(sim::kVendorId, sim::kProductIds[0], L"Other product", 0), -1);
  EXPECT_EQ(link_.Find(sim::kVendorId, sim::kProductIds[0], L"", 1), -1);

  // Closing releases every handle.
  link_.Close();
  EXPECT_EQ(bus.OpenHandles(sim::SimulatedKeyboard::InterfacePath(0, 1)), 0);
  EXPECT_EQ(bus.OpenHandles(sim::SimulatedKeyboard::InterfacePath(0, 3)), 0);
  EXPECT_FALSE(link_.Collect(entries));
}

TEST_F(DeviceLinkTest, FirstRowOfAnIdentityWinsAndProductNamesMatchNothing) {
  keyboard_.PlugMode(0);
  keyboard_.PlugMode(1);
  // Two rows for the cable identity: the first decides type and mode.
  AddModes({{sim::kVendorId, sim::kProductIds[0], L"", 201, 1, L""},
            {sim::kVendorId, sim::kProductIds[0], L"", 300, 0, L""},
            // Enumeration reads no product strings, so a row naming one never matches.
            {sim::kVendorId, sim::kProductIds[1], L"K104 Receiver", 201, 1, L""}});
  const DiscoveryResult result = Discover();
  EXPECT_EQ(link_.DeviceTypeOf(sim::kVendorId, sim::kProductIds[0]), 201);
  EXPECT_EQ(link_.ConnectionModeOf(sim::kVendorId, sim::kProductIds[0]), 1);
  EXPECT_EQ(link_.DeviceTypeOf(0x1234, 0x5678), 0);
  std::vector<InterfaceEntry> entries;
  ASSERT_TRUE(link_.Collect(entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].connection_mode, 1);
  EXPECT_EQ(entries[0].cable, 0);
  for (size_t i = 3; i < 6; ++i)
    EXPECT_EQ(result.decisions[i].outcome, Outcome::NotSupported);
}

TEST_F(DeviceLinkTest, TransfersFailWhileClosedAndWithoutTheirInterface) {
  AddModes(SimulatedModes());
  keyboard_.PlugMode(0);
  Discover();
  const uint8_t report[65] = {0};
  uint8_t feature[8] = {7};
  EXPECT_EQ(link_.WriteOutput(report), 65);
  EXPECT_EQ(link_.WriteSide(report), 65);
  EXPECT_EQ(link_.SendFeature(feature), 8);
  EXPECT_EQ(link_.GetFeature(feature), 8);

  link_.Close();
  EXPECT_EQ(link_.WriteOutput(report), -1);
  EXPECT_EQ(link_.WriteSide(report), -1);
  EXPECT_EQ(link_.SendFeature(feature), -1);
  EXPECT_EQ(link_.GetFeature(feature), -1);

  // Reopened but not yet marked open: still nothing goes out.
  link_.Open();
  link_.SetSelectedType(201);
  EXPECT_EQ(link_.WriteOutput(report), -1);
  link_.SetOpen(true);
  EXPECT_EQ(link_.WriteOutput(report), 65);

  // Another device type selected: no interface of that type, nothing is sent.
  link_.SetSelectedType(101);
  EXPECT_EQ(link_.WriteOutput(report), -1);
  EXPECT_EQ(link_.ChosenPath(), L"");

  // Unplugged under an open link: the transfer fails instead of reaching a freed handle.
  link_.SetSelectedType(201);
  keyboard_.UnplugMode(0);
  EXPECT_EQ(link_.WriteOutput(report), -1);
}

TEST_F(DeviceLinkTest, TransfersNeverUseAHandleThatAnotherThreadCloses) {
  AddModes(SimulatedModes());
  keyboard_.PlugMode(0);
  Discover();
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    const uint8_t report[65] = {0};
    while (!stop)
      link_.WriteOutput(report);
  });
  for (int i = 0; i < 200; ++i)
    Discover();
  stop = true;
  writer.join();
  EXPECT_TRUE(link_.IsOpen());
}

}  // namespace
