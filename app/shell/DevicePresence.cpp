#include "app/shell/DevicePresence.h"

#include <algorithm>
#include <cwctype>

#include "app/device/DeviceLink.h"
#include "app/shell/JobCodes.h"

namespace {

// Interfaces of Bluetooth LE HID services carry this in their path; they are never ours.
constexpr wchar_t kBleHidService[] = L"00001812-0000-1000-8000-00805F9B34FB";

std::wstring Upper(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return text;
}

}  // namespace

void DevicePresence::SetModeRecords(std::vector<ModeRecord> records) {
  std::lock_guard lock(mutex_);
  records_ = std::move(records);
}

std::vector<ModeRecord> DevicePresence::ModeRecords() const {
  std::lock_guard lock(mutex_);
  return records_;
}

void DevicePresence::Clear() {
  std::lock_guard lock(mutex_);
  records_.clear();
}

DevicePresence::Outcome DevicePresence::Refresh(DeviceLink& link, int device_type) {
  Outcome outcome;
  link.Close();
  link.Open();
  link.SetOpen(true);
  link.SetSelectedType(0);
  std::vector<InterfaceEntry> entries;
  link.Collect(entries);
  {
    std::lock_guard lock(mutex_);
    for (ModeRecord& record : records_) {
      if (link.Find(record.vid, record.pid, record.product_name, record.connection_mode) < 0)
        continue;
      outcome.keyboard_connected = true;
      record.connected = 1;
      outcome.connected_types.push_back(record.device_type);
    }
  }
  outcome.any_interface = !entries.empty();
  link.SetOpen(outcome.any_interface);
  if (outcome.any_interface) {
    link.SetSelectedType(device_type);
    outcome.connection_mode = link.AvailableConnectionMode();
  }
  return outcome;
}

int DevicePresence::JobForDeviceChange(bool arrival, const std::wstring& path) {
  const std::wstring upper = Upper(path);
  if (upper.find(kBleHidService) != std::wstring::npos) return 0;
  std::lock_guard lock(mutex_);
  for (ModeRecord& record : records_) {
    if (!arrival && !record.connected) continue;
    // An empty piece is found in every path, so such a record reacts to every interface.
    if (upper.find(Upper(record.hid_interface)) == std::wstring::npos) continue;
    if (arrival) return kJobDeviceArrived;
    record.connected = 0;
    return kJobDeviceRemoved;
  }
  return 0;
}
