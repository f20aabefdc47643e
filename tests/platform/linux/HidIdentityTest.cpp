#include "platform/linux/HidIdentity.h"

#include <gtest/gtest.h>

#include "tests/support/ScratchFolder.h"

namespace {

TEST(HidIdentityTest, PathsCarryTheInterfaceNumberAsTheKeyboardFilesExpect) {
  struct Case {
    uint16_t vid, pid;
    int interface_number;
    const char* instance;
    int collection;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {0x1209, 0x0005, 3, "0003&1209&0005&0001", 0,
       L"\\\\?\\HID#VID_1209&PID_0005&MI_03#0003&1209&0005&0001"},
      {0xabcd, 0x00ef, 1, "hidraw2", 0, L"\\\\?\\HID#VID_ABCD&PID_00EF&MI_01#HIDRAW2"},
      {0x1209, 0x0005, -1, "x", 0, L"\\\\?\\HID#VID_1209&PID_0005#X"},
      {0x1209, 0x0005, 2, "x", 2, L"\\\\?\\HID#VID_1209&PID_0005&MI_02&COL02#X"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        platform::MakeIdentityPath(c.vid, c.pid, c.interface_number, c.instance, c.collection),
        c.expected);
  }
}

TEST(HidIdentityTest, InstanceComesFromTheHidDeviceInSysfs) {
  ScratchFolder sysfs;
  const auto hid_device = sysfs / "devices" / "usb1" / "1-1" / "1-1:1.3" / "0003:1209:0005.0007";
  std::filesystem::create_directories(hid_device);
  std::filesystem::create_directories(sysfs / "class" / "hidraw" / "hidraw4");
  std::filesystem::create_directory_symlink(hid_device,
                                            sysfs / "class" / "hidraw" / "hidraw4" / "device");
  EXPECT_EQ(platform::HidrawInstance(sysfs.Path(), "/dev/hidraw4"), "0003&1209&0005&0007");
  // Without sysfs entries the node's own name stands in.
  EXPECT_EQ(platform::HidrawInstance(sysfs.Path(), "/dev/hidraw9"), "hidraw9");
}

}  // namespace
