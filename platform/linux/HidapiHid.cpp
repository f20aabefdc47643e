// The HID facility on Linux: hidapi's hidraw back end for enumeration and transfers, a libudev
// monitor for plug and unplug notifications.
#include <hidapi/hidapi.h>
#include <libudev.h>
#include <poll.h>
#include <unistd.h>

#include <cwctype>
#include <map>
#include <mutex>
#include <thread>

#include "platform/Backend.h"
#include "platform/Hid.h"
#include "platform/Text.h"
#include "platform/linux/HidIdentity.h"

namespace platform {
namespace {

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

class HidapiDevice final : public HidDevice {
 public:
  explicit HidapiDevice(hid_device* device) : device_(device) {}
  ~HidapiDevice() override { hid_close(device_); }

  // hidraw takes the report as given: report id 0 means the device uses unnumbered reports.
  int Write(std::span<const uint8_t> report) override {
    return Check(hid_write(device_, report.data(), report.size()));
  }
  int SendFeatureReport(std::span<const uint8_t> report) override {
    return Check(hid_send_feature_report(device_, report.data(), report.size()));
  }
  int GetFeatureReport(std::span<uint8_t> report) override {
    return Check(hid_get_feature_report(device_, report.data(), report.size()));
  }
  const std::wstring& LastError() const override { return last_error_; }

 private:
  int Check(int result) {
    if (result < 0) {
      const wchar_t* error = hid_error(device_);
      last_error_ = error ? error : L"HID transfer failed";
      // Only the first line of the system's text is kept.
      last_error_ = last_error_.substr(0, last_error_.find_first_of(L"\r\n"));
    }
    return result;
  }

  hid_device* device_;
  std::wstring last_error_;
};

class HidapiHid final : public Hid {
 public:
  HidapiHid() : initialised_(hid_init() == 0) {}

  ~HidapiHid() override {
    StopMonitor();
    if (initialised_) hid_exit();
  }

  std::vector<HidInterfaceInfo> Enumerate() override {
    std::vector<HidInterfaceInfo> result;
    if (!initialised_) return result;
    std::lock_guard lock(mutex_);
    hid_device_info* list = hid_enumerate(0, 0);
    // Several top-level collections of one node come as consecutive entries with the same path.
    std::map<std::string, int> collections;
    for (const hid_device_info* d = list; d; d = d->next)
      ++collections[d->path];
    std::map<std::string, int> seen;
    for (const hid_device_info* d = list; d; d = d->next) {
      HidInterfaceInfo info;
      info.node = d->path;
      info.vendor_id = d->vendor_id;
      info.product_id = d->product_id;
      info.release_number = d->release_number;
      info.usage_page = d->usage_page;
      info.usage = d->usage;
      info.interface_number = d->interface_number;
      const int collection = collections[d->path] > 1 ? ++seen[d->path] : 0;
      info.path = MakeIdentityPath(d->vendor_id, d->product_id, d->interface_number,
                                   HidrawInstance("/sys", d->path), collection);
      known_paths_[info.node] = info.path;
      result.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return result;
  }

  std::unique_ptr<HidDevice> Open(const std::wstring& path) override {
    for (const auto& info : Enumerate()) {
      if (!SamePath(info.path, path)) continue;
      hid_device* device = hid_open_path(info.node.c_str());
      if (!device) return nullptr;
      return std::make_unique<HidapiDevice>(device);
    }
    return nullptr;
  }

  void SetPlugListener(std::function<void(const HidPlugEvent&)> listener) override {
    StopMonitor();
    if (!listener) return;
    {
      std::lock_guard lock(mutex_);
      listener_ = std::move(listener);
    }
    StartMonitor();
  }

 private:
  void StartMonitor() {
    if (pipe(stop_pipe_) != 0) return;
    monitor_ = std::thread([this] { RunMonitor(); });
  }

  void StopMonitor() {
    if (!monitor_.joinable()) return;
    const char byte = 0;
    (void)!write(stop_pipe_[1], &byte, 1);
    monitor_.join();
    close(stop_pipe_[0]);
    close(stop_pipe_[1]);
  }

  // Waits for hidraw nodes to come and go and reports them by identity path.
  void RunMonitor() {
    udev* context = udev_new();
    udev_monitor* monitor = context ? udev_monitor_new_from_netlink(context, "udev") : nullptr;
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
      if (monitor) udev_monitor_unref(monitor);
      if (context) udev_unref(context);
      return;
    }
    pollfd fds[2] = {{udev_monitor_get_fd(monitor), POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
    for (;;) {
      if (poll(fds, 2, -1) < 0) continue;
      if (fds[1].revents) break;
      udev_device* device = udev_monitor_receive_device(monitor);
      if (!device) continue;
      const char* action = udev_device_get_action(device);
      const char* node = udev_device_get_devnode(device);
      if (action && node) Report(action, node);
      udev_device_unref(device);
    }
    udev_monitor_unref(monitor);
    udev_unref(context);
  }

  void Report(const std::string& action, const std::string& node) {
    HidPlugEvent event;
    if (action == "add") {
      event.kind = HidPlugEvent::Kind::Arrival;
      for (const auto& info : Enumerate()) {
        if (info.node == node) event.path = info.path;
      }
    } else if (action == "remove") {
      event.kind = HidPlugEvent::Kind::Removal;
    } else {
      return;
    }
    std::function<void(const HidPlugEvent&)> listener;
    {
      std::lock_guard lock(mutex_);
      // A removed node is gone from sysfs: it is known by the path it had when it was seen.
      if (event.path.empty()) event.path = known_paths_[node];
      if (event.kind == HidPlugEvent::Kind::Removal) known_paths_.erase(node);
      listener = listener_;
    }
    if (listener && !event.path.empty()) listener(event);
  }

  const bool initialised_;
  std::mutex mutex_;
  std::map<std::string, std::wstring> known_paths_;  // device node -> identity path
  std::function<void(const HidPlugEvent&)> listener_;
  std::thread monitor_;
  int stop_pipe_[2] = {-1, -1};
};

}  // namespace

template <>
std::shared_ptr<Hid> MakeRealBackend<Hid>() {
  return std::make_shared<HidapiHid>();
}

}  // namespace platform
