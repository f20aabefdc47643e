#include "platform/fake/FakeVirtualInput.h"

namespace platform {

void FakeVirtualInput::SetInstalled(bool installed) {
  std::lock_guard lock(mutex_);
  installed_ = installed;
}

void FakeVirtualInput::InjectKey(FilterKeyEvent event) {
  {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
  }
  injected_.notify_all();
}

std::vector<std::vector<uint8_t>> FakeVirtualInput::Reports() {
  std::lock_guard lock(mutex_);
  return reports_;
}

std::vector<std::vector<uint16_t>> FakeVirtualInput::FilterTables() {
  std::lock_guard lock(mutex_);
  return tables_;
}

bool FakeVirtualInput::FilterRunning() {
  std::lock_guard lock(mutex_);
  return filter_running_;
}

bool FakeVirtualInput::IsInstalled() {
  std::lock_guard lock(mutex_);
  return installed_;
}

bool FakeVirtualInput::Install() {
  std::lock_guard lock(mutex_);
  installed_ = true;
  return true;
}

bool FakeVirtualInput::WriteReport(std::span<const uint8_t> report) {
  std::lock_guard lock(mutex_);
  if (!installed_) return false;
  reports_.emplace_back(report.begin(), report.end());
  return true;
}

bool FakeVirtualInput::SetFilterTable(std::span<const uint16_t> key_codes) {
  std::lock_guard lock(mutex_);
  if (!installed_) return false;
  tables_.emplace_back(key_codes.begin(), key_codes.end());
  return true;
}

bool FakeVirtualInput::StartFilter() {
  std::lock_guard lock(mutex_);
  filter_running_ = installed_;
  return installed_;
}

void FakeVirtualInput::StopFilter() {
  {
    std::lock_guard lock(mutex_);
    filter_running_ = false;
  }
  injected_.notify_all();
}

std::optional<FilterKeyEvent> FakeVirtualInput::WaitFilterEvent(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  injected_.wait_for(lock, timeout, [&] { return !events_.empty() || !filter_running_; });
  if (events_.empty() || !filter_running_) return std::nullopt;
  const FilterKeyEvent event = events_.front();
  events_.pop_front();
  return event;
}

}  // namespace platform
