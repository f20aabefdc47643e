// Runs inside a virtual machine with a real Linux kernel (see run-in-qemu): the simulated keyboard
// is presented through /dev/uhid and the real HID back end finds it, opens it and talks to it.
#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "app/device/Discovery.h"
#include "platform/Backend.h"
#include "platform/Hid.h"
#include "sim/uhid/UhidDevice.h"

namespace {

using namespace std::chrono_literals;

// Records what the kernel hands over and answers feature reads with a firmware version.
class RecordingEndpoint final : public platform::FakeHidEndpoint {
 public:
  platform::HidInterfaceInfo Info() const override {
    platform::HidInterfaceInfo info;
    info.vendor_id = 0x1209;
    info.product_id = 0x0005;
    info.release_number = 0x0100;
    info.usage_page = 0xFF01;
    info.usage = 0x0001;
    return info;
  }
  int OnWrite(std::span<const uint8_t> report) override {
    std::lock_guard lock(mutex);
    written.assign(report.begin(), report.end());
    return static_cast<int>(report.size());
  }
  int OnSetFeature(std::span<const uint8_t> report) override {
    std::lock_guard lock(mutex);
    feature.assign(report.begin(), report.end());
    return static_cast<int>(report.size());
  }
  int OnGetFeature(std::span<uint8_t> report) override {
    const uint8_t answer[8] = {0x07, 0x01, 0x05};
    std::copy(std::begin(answer), std::end(answer), report.begin());
    return 8;
  }

  std::mutex mutex;
  std::vector<uint8_t> written;
  std::vector<uint8_t> feature;
};

std::optional<platform::HidInterfaceInfo> WaitForInterface(platform::Hid& hid) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (const auto& info : hid.Enumerate()) {
      if (info.vendor_id == 0x1209 && info.product_id == 0x0005) return info;
    }
    std::this_thread::sleep_for(20ms);
  }
  return std::nullopt;
}

TEST(HidKernelTest, RealBackEndFindsOpensAndTalksToTheKeyboard) {
  auto endpoint = std::make_shared<RecordingEndpoint>();
  sim::UhidDevice device(endpoint);
  ASSERT_TRUE(device.Create("Keyvane simulated keyboard"));

  auto hid = platform::MakeRealBackend<platform::Hid>();
  const auto info = WaitForInterface(*hid);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->usage_page, 0xFF01);
  EXPECT_EQ(info->usage, 0x0001);
  EXPECT_EQ(info->node.rfind("/dev/hidraw", 0), 0u) << info->node;
  // The instance part comes from sysfs: bus, vendor and product of the HID device.
  EXPECT_EQ(info->path.rfind(L"\\\\?\\HID#VID_1209&PID_0005#0003&1209&0005&", 0), 0u);

  auto opened = hid->Open(info->path);
  ASSERT_NE(opened, nullptr);
  std::vector<uint8_t> report(65, 0);
  report[1] = 0xF1;
  report[64] = 0x5A;
  EXPECT_EQ(opened->Write(report), 65);
  const uint8_t set[8] = {0x07, 0x8C, 0x01};
  EXPECT_GE(opened->SendFeatureReport(set), 0);
  uint8_t get[8] = {0x07};
  EXPECT_EQ(opened->GetFeatureReport(get), 8);
  EXPECT_EQ(get[1], 0x01);
  EXPECT_EQ(get[2], 0x05);
  {
    std::lock_guard lock(endpoint->mutex);
    ASSERT_EQ(endpoint->written.size(), 65u);
    EXPECT_EQ(endpoint->written[1], 0xF1);
    EXPECT_EQ(endpoint->written[64], 0x5A);
    ASSERT_GE(endpoint->feature.size(), 3u);
    EXPECT_EQ(endpoint->feature[0], 0x07);
    EXPECT_EQ(endpoint->feature[1], 0x8C);
  }

  // Unplugged while open: transfers fail instead of hanging or succeeding.
  device.Destroy();
  EXPECT_EQ(opened->Write(report), -1);
  EXPECT_FALSE(opened->LastError().empty());
}

TEST(HidKernelTest, DeviceLinkChoosesTheKernelInterface) {
  auto endpoint = std::make_shared<RecordingEndpoint>();
  sim::UhidDevice device(endpoint);
  ASSERT_TRUE(device.Create("Keyvane simulated keyboard"));
  platform::ScopedBackend<platform::Hid> hid(platform::MakeRealBackend<platform::Hid>());
  ASSERT_TRUE(WaitForInterface(*hid).has_value());

  DeviceLink link;
  link.AddSupportedMode({0x1209, 0x0005, L"", 201, 0, L"VID_1209&PID_0005"});
  const DiscoveryResult result = DiscoverKeyboard(link, 201);
  EXPECT_TRUE(result.Found());
  EXPECT_EQ(result.connection_mode, 0);
  uint8_t get[8] = {0x07};
  EXPECT_EQ(link.GetFeature(get), 8);
  EXPECT_EQ(get[2], 0x05);
}

}  // namespace
