#include "platform/fake/FakeHidBus.h"

#include <algorithm>
#include <cwctype>

namespace platform {
namespace {

class FakeHidDevice final : public HidDevice {
 public:
  explicit FakeHidDevice(std::shared_ptr<FakeHidBus::Connection> connection)
      : connection_(std::move(connection)) {
    ++connection_->open_handles;
  }
  ~FakeHidDevice() override { --connection_->open_handles; }

  int Write(std::span<const uint8_t> report) override {
    if (!Plugged()) return -1;
    std::vector<uint8_t> padded(report.begin(), report.end());
    const size_t length = connection_->endpoint->OutputReportLength();
    if (padded.size() < length) padded.resize(length, 0);
    return Result(connection_->endpoint->OnWrite(padded));
  }

  int SendFeatureReport(std::span<const uint8_t> report) override {
    if (!Plugged()) return -1;
    return Result(connection_->endpoint->OnSetFeature(report));
  }

  int GetFeatureReport(std::span<uint8_t> report) override {
    if (!Plugged()) return -1;
    return Result(connection_->endpoint->OnGetFeature(report));
  }

  const std::wstring& LastError() const override { return last_error_; }

 private:
  bool Plugged() {
    if (connection_->plugged) return true;
    last_error_ = L"The device is not connected.";
    return false;
  }

  int Result(int bytes) {
    if (bytes < 0) last_error_ = L"The device did not accept the transfer.";
    return bytes;
  }

  std::shared_ptr<FakeHidBus::Connection> connection_;
  std::wstring last_error_;
};

}  // namespace

void FakeHidBus::Plug(std::shared_ptr<FakeHidEndpoint> endpoint) {
  auto connection = std::make_shared<Connection>();
  connection->path = endpoint->Info().path;
  connection->endpoint = std::move(endpoint);
  const std::wstring path = connection->path;
  {
    std::lock_guard lock(mutex_);
    connections_.push_back(std::move(connection));
  }
  Notify(HidPlugEvent::Kind::Arrival, path);
}

void FakeHidBus::Unplug(const std::wstring& path) {
  bool removed = false;
  {
    std::lock_guard lock(mutex_);
    std::erase_if(connections_, [&](const auto& c) {
      if (c->path != path) return false;
      c->plugged = false;
      removed = true;
      return true;
    });
  }
  if (removed) Notify(HidPlugEvent::Kind::Removal, path);
}

void FakeHidBus::UnplugAll() {
  std::vector<std::wstring> paths;
  {
    std::lock_guard lock(mutex_);
    for (const auto& c : connections_)
      paths.push_back(c->path);
  }
  for (const auto& path : paths)
    Unplug(path);
}

int FakeHidBus::OpenHandles(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  int count = 0;
  for (const auto& c : connections_) {
    if (c->path == path) count += c->open_handles;
  }
  return count;
}

std::vector<HidInterfaceInfo> FakeHidBus::Enumerate() {
  std::lock_guard lock(mutex_);
  std::vector<HidInterfaceInfo> infos;
  for (const auto& c : connections_)
    infos.push_back(c->endpoint->Info());
  return infos;
}

std::unique_ptr<HidDevice> FakeHidBus::Open(const std::wstring& path) {
  std::lock_guard lock(mutex_);
  // Paths are compared without case, as the system compares device paths.
  const auto found = std::find_if(connections_.begin(), connections_.end(), [&](const auto& c) {
    return std::equal(c->path.begin(), c->path.end(), path.begin(), path.end(),
                      [](wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); });
  });
  if (found == connections_.end()) return nullptr;
  return std::make_unique<FakeHidDevice>(*found);
}

void FakeHidBus::SetPlugListener(std::function<void(const HidPlugEvent&)> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

void FakeHidBus::Notify(HidPlugEvent::Kind kind, const std::wstring& path) {
  std::function<void(const HidPlugEvent&)> listener;
  {
    std::lock_guard lock(mutex_);
    listener = listener_;
  }
  if (listener) listener(HidPlugEvent{kind, path});
}

}  // namespace platform
