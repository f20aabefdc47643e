#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "platform/fake/FakeHidBus.h"

namespace sim {

// Presents one simulated HID interface to the kernel through /dev/uhid, so that it shows up as a
// real hidraw node and the real HID back end can be exercised end to end. Output reports, feature
// reports sent and feature reports asked for are handed to the endpoint, as the fake bus does.
class UhidDevice {
 public:
  explicit UhidDevice(std::shared_ptr<platform::FakeHidEndpoint> endpoint);
  ~UhidDevice();
  UhidDevice(const UhidDevice&) = delete;
  UhidDevice& operator=(const UhidDevice&) = delete;

  // Creates the device with a vendor report descriptor (the endpoint's usage page and usage,
  // 64-byte input and output reports, 7-byte feature reports). False when /dev/uhid is missing.
  bool Create(const std::string& name);
  // Removes the device from the kernel, as unplugging it would.
  void Destroy();

 private:
  void Serve();

  std::shared_ptr<platform::FakeHidEndpoint> endpoint_;
  int fd_ = -1;
  int stop_pipe_[2] = {-1, -1};
  std::thread server_;
};

}  // namespace sim
