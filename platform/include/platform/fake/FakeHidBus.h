#pragma once

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/Hid.h"

namespace platform {

// One simulated HID interface: what it answers to the reports it receives.
class FakeHidEndpoint {
 public:
  virtual ~FakeHidEndpoint() = default;

  virtual HidInterfaceInfo Info() const = 0;
  virtual size_t OutputReportLength() const { return 65; }

  // Each returns the number of bytes taken or answered, or -1 to fail the transfer.
  virtual int OnWrite(std::span<const uint8_t> report) = 0;
  virtual int OnSetFeature(std::span<const uint8_t> report) = 0;
  virtual int OnGetFeature(std::span<uint8_t> report) = 0;
};

// An in-process HID bus onto which simulated interfaces are plugged and unplugged. Transfers on a
// handle whose interface was unplugged fail, as they do on a real bus.
class FakeHidBus final : public Hid {
 public:
  void Plug(std::shared_ptr<FakeHidEndpoint> endpoint);
  void Unplug(const std::wstring& path);
  void UnplugAll();
  // Number of handles to `path` currently open.
  int OpenHandles(const std::wstring& path);

  std::vector<HidInterfaceInfo> Enumerate() override;
  std::unique_ptr<HidDevice> Open(const std::wstring& path) override;
  void SetPlugListener(std::function<void(const HidPlugEvent&)> listener) override;

  // Shared between the bus and the handles opened on one plugged interface.
  struct Connection {
    std::shared_ptr<FakeHidEndpoint> endpoint;
    std::wstring path;
    std::atomic<bool> plugged{true};
    std::atomic<int> open_handles{0};
  };

 private:
  void Notify(HidPlugEvent::Kind kind, const std::wstring& path);

  std::mutex mutex_;
  std::vector<std::shared_ptr<Connection>> connections_;
  std::function<void(const HidPlugEvent&)> listener_;
};

}  // namespace platform
