#include "app/device/DeviceLink.h"

#include <cwctype>

#include "platform/Backend.h"

namespace {

constexpr uint16_t kVendorUsagePage = 0xFF01;
constexpr uint16_t kVendorUsage = 0x0001;
// The interface number of the side channel, as it appears in the interface path.
constexpr std::wstring_view kSideChannelMarker = L"&MI_03";

std::wstring UpperCase(std::wstring text) {
  for (auto& c : text)
    c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

}  // namespace

const char* DescribeOutcome(OpenDecision::Outcome outcome) {
  switch (outcome) {
    case OpenDecision::Outcome::NotSupported:
      return "not a supported keyboard";
    case OpenDecision::Outcome::OpenFailed:
      return "cannot be opened";
    case OpenDecision::Outcome::NotVendorInterface:
      return "not the vendor interface; closed";
    case OpenDecision::Outcome::SideChannel:
      return "side channel";
    case OpenDecision::Outcome::Entry:
      return "entry";
  }
  return "unknown";
}

DeviceLink& DeviceLink::Instance() {
  static DeviceLink* link = new DeviceLink();  // lives until the process ends
  return *link;
}

DeviceLink::DeviceLink() = default;
DeviceLink::~DeviceLink() = default;

void DeviceLink::AddSupportedMode(const SupportedMode& mode) {
  std::lock_guard lock(mutex_);
  supported_modes_.push_back(mode);
}

void DeviceLink::ClearSupportedModes() {
  std::lock_guard lock(mutex_);
  supported_modes_.clear();
}

std::vector<SupportedMode> DeviceLink::SupportedModes() const {
  std::lock_guard lock(mutex_);
  return supported_modes_;
}

const SupportedMode* DeviceLink::FindSupportedMode(int vid, int pid) const {
  for (const auto& mode : supported_modes_) {
    if (mode.vid == vid && mode.pid == pid) return &mode;
  }
  return nullptr;
}

std::vector<OpenDecision> DeviceLink::Open() {
  auto& hid = platform::Get<platform::Hid>();
  std::vector<OpenDecision> decisions;
  const auto interfaces = hid.Enumerate();
  std::lock_guard lock(mutex_);
  // Opening again replaces what was open; the open flag is the caller's to set.
  const bool was_open = open_;
  CloseLocked();
  open_ = was_open;
  for (const auto& info : interfaces) {
    OpenDecision decision{info, OpenDecision::Outcome::NotSupported};
    // A row with a product name matches only an interface reporting that product string.
    bool supported = false;
    for (const auto& mode : supported_modes_) {
      if (mode.vid == info.vendor_id && mode.pid == info.product_id &&
          (mode.product_name.empty() || mode.product_name == info.product)) {
        supported = true;
        break;
      }
    }
    if (!supported) {
      decisions.push_back(decision);
      continue;
    }
    const std::wstring path = UpperCase(info.path);
    auto device = hid.Open(path);
    if (!device) {
      decision.outcome = OpenDecision::Outcome::OpenFailed;
    } else if (info.usage_page != kVendorUsagePage || info.usage != kVendorUsage) {
      decision.outcome = OpenDecision::Outcome::NotVendorInterface;
    } else if (path.find(kSideChannelMarker) != std::wstring::npos) {
      decision.outcome = OpenDecision::Outcome::SideChannel;
      side_channel_ = std::move(device);
      side_channel_path_ = path;
    } else {
      decision.outcome = OpenDecision::Outcome::Entry;
      const SupportedMode* mode = FindSupportedMode(info.vendor_id, info.product_id);
      InterfaceEntry entry;
      entry.index = static_cast<int>(interfaces_.size());
      entry.vid = info.vendor_id;
      entry.pid = info.product_id;
      entry.path = path;
      entry.product = info.product;
      entry.release_number = info.release_number;
      entry.device_type = mode ? mode->device_type : 0;
      entry.connection_mode = mode ? mode->connection_mode : 0;
      entry.cable = entry.connection_mode == 0 ? 1 : 0;
      interfaces_.push_back(OpenInterface{entry, std::move(device)});
    }
    decisions.push_back(decision);
  }
  return decisions;
}

void DeviceLink::CloseLocked() {
  open_ = false;
  chosen_ = nullptr;
  interfaces_.clear();
  side_channel_.reset();
  side_channel_path_.clear();
}

void DeviceLink::Close() {
  std::lock_guard lock(mutex_);
  CloseLocked();
}

void DeviceLink::SetOpen(bool open) {
  std::lock_guard lock(mutex_);
  open_ = open;
}

bool DeviceLink::IsOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

bool DeviceLink::Collect(std::vector<InterfaceEntry>& entries) const {
  std::lock_guard lock(mutex_);
  if (interfaces_.empty()) return false;
  for (const auto& open : interfaces_) {
    if (selected_type_ == 0 || open.entry.device_type == selected_type_) {
      entries.push_back(open.entry);
    }
  }
  return true;
}

int DeviceLink::Find(int vid, int pid, const std::wstring& product_name,
                     int connection_mode) const {
  std::lock_guard lock(mutex_);
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    const auto& entry = interfaces_[i].entry;
    if (entry.vid == vid && entry.pid == pid && entry.connection_mode == connection_mode &&
        (product_name.empty() || entry.product == product_name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void DeviceLink::SetSelectedType(int device_type) {
  std::lock_guard lock(mutex_);
  selected_type_ = device_type;
  chosen_ = nullptr;
}

int DeviceLink::SelectedType() const {
  std::lock_guard lock(mutex_);
  return selected_type_;
}

int DeviceLink::AvailableConnectionMode() const {
  std::lock_guard lock(mutex_);
  // The recorded mode prefers the second wireless link over the first.
  for (int mode : {0, 2, 1}) {
    for (const auto& open : interfaces_) {
      if (open.entry.device_type == selected_type_ && open.entry.connection_mode == mode)
        return mode;
    }
  }
  return -1;
}

platform::HidDevice* DeviceLink::ChosenDevice() {
  if (chosen_) return chosen_;
  // Commands go to the cable if there is one, then to the first wireless link, then the second.
  for (int mode : {0, 1, 2}) {
    for (auto& open : interfaces_) {
      if (open.entry.device_type == selected_type_ && open.entry.connection_mode == mode) {
        chosen_ = open.device.get();
        return chosen_;
      }
    }
  }
  return nullptr;
}

std::wstring DeviceLink::ChosenPath() {
  std::lock_guard lock(mutex_);
  const platform::HidDevice* chosen = ChosenDevice();
  for (const auto& open : interfaces_) {
    if (open.device.get() == chosen) return open.entry.path;
  }
  return {};
}

bool DeviceLink::HasSideChannel() const {
  std::lock_guard lock(mutex_);
  return side_channel_ != nullptr;
}

std::wstring DeviceLink::SideChannelPath() const {
  std::lock_guard lock(mutex_);
  return side_channel_path_;
}

int DeviceLink::DeviceTypeOf(int vid, int pid) const {
  std::lock_guard lock(mutex_);
  const SupportedMode* mode = FindSupportedMode(vid, pid);
  return mode ? mode->device_type : 0;
}

int DeviceLink::ConnectionModeOf(int vid, int pid) const {
  std::lock_guard lock(mutex_);
  const SupportedMode* mode = FindSupportedMode(vid, pid);
  return mode ? mode->connection_mode : 0;
}

bool DeviceLink::CanTransfer() {
  std::lock_guard lock(mutex_);
  return open_ && ChosenDevice() != nullptr;
}

bool DeviceLink::CanTransferSide() const {
  std::lock_guard lock(mutex_);
  return open_ && side_channel_ != nullptr;
}

int DeviceLink::WriteOutput(std::span<const uint8_t> report) {
  std::lock_guard lock(mutex_);
  platform::HidDevice* device = open_ ? ChosenDevice() : nullptr;
  return device ? device->Write(report) : -1;
}

int DeviceLink::WriteSide(std::span<const uint8_t> report) {
  std::lock_guard lock(mutex_);
  return open_ && side_channel_ ? side_channel_->Write(report) : -1;
}

int DeviceLink::SendFeature(std::span<const uint8_t> report) {
  std::lock_guard lock(mutex_);
  platform::HidDevice* device = open_ ? ChosenDevice() : nullptr;
  return device ? device->SendFeatureReport(report) : -1;
}

int DeviceLink::GetFeature(std::span<uint8_t> report) {
  std::lock_guard lock(mutex_);
  platform::HidDevice* device = open_ ? ChosenDevice() : nullptr;
  return device ? device->GetFeatureReport(report) : -1;
}
