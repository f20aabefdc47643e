#include "platform/fake/FakeHidBus.h"

#include <gtest/gtest.h>

namespace {

// Records what it receives and answers feature reads with a fixed report.
class EchoEndpoint final : public platform::FakeHidEndpoint {
 public:
  explicit EchoEndpoint(std::wstring path) { info_.path = std::move(path); }

  platform::HidInterfaceInfo Info() const override { return info_; }
  int OnWrite(std::span<const uint8_t> report) override {
    written.assign(report.begin(), report.end());
    return static_cast<int>(report.size());
  }
  int OnSetFeature(std::span<const uint8_t> report) override {
    return refuse ? -1 : static_cast<int>(report.size());
  }
  int OnGetFeature(std::span<uint8_t> report) override {
    report[1] = 0x42;
    return static_cast<int>(report.size());
  }

  platform::HidInterfaceInfo info_;
  std::vector<uint8_t> written;
  bool refuse = false;
};

const std::wstring kPath = L"\\\\?\\HID#VID_1D57&PID_FA60&MI_01#7&1&0000";

TEST(FakeHidBusTest, TransfersReachThePluggedInterface) {
  platform::FakeHidBus bus;
  auto endpoint = std::make_shared<EchoEndpoint>(kPath);
  bus.Plug(endpoint);
  ASSERT_EQ(bus.Enumerate().size(), 1u);

  auto device = bus.Open(L"\\\\?\\hid#vid_1d57&pid_fa60&mi_01#7&1&0000");  // case does not matter
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(bus.OpenHandles(kPath), 1);
  const uint8_t report[] = {0, 1, 2};
  EXPECT_EQ(device->Write(report), 65);  // padded to the output report length
  EXPECT_EQ(endpoint->written.size(), 65u);
  uint8_t feature[8] = {7};
  EXPECT_EQ(device->GetFeatureReport(feature), 8);
  EXPECT_EQ(feature[1], 0x42);
  endpoint->refuse = true;
  EXPECT_EQ(device->SendFeatureReport(feature), -1);
  EXPECT_FALSE(device->LastError().empty());
  device.reset();
  EXPECT_EQ(bus.OpenHandles(kPath), 0);
  EXPECT_EQ(bus.Open(L"\\\\?\\HID#VID_0000"), nullptr);
}

TEST(FakeHidBusTest, UnplugFailsOpenHandlesAndNotifies) {
  platform::FakeHidBus bus;
  std::vector<std::pair<platform::HidPlugEvent::Kind, std::wstring>> events;
  bus.SetPlugListener(
      [&](const platform::HidPlugEvent& e) { events.emplace_back(e.kind, e.path); });
  bus.Plug(std::make_shared<EchoEndpoint>(kPath));
  auto device = bus.Open(kPath);
  ASSERT_NE(device, nullptr);
  bus.Unplug(kPath);
  const uint8_t report[] = {0, 1};
  EXPECT_EQ(device->Write(report), -1);
  EXPECT_TRUE(bus.Enumerate().empty());
  EXPECT_EQ(bus.Open(kPath), nullptr);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].first, platform::HidPlugEvent::Kind::Arrival);
  EXPECT_EQ(events[1].first, platform::HidPlugEvent::Kind::Removal);
  EXPECT_EQ(events[1].second, kPath);
}

}  // namespace
