#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "platform/VirtualInput.h"

namespace platform {

// Records every report written and every filter table set; key events are injected by the test.
class FakeVirtualInput final : public VirtualInput {
 public:
  void SetInstalled(bool installed);
  void InjectKey(FilterKeyEvent event);
  std::vector<std::vector<uint8_t>> Reports();
  std::vector<std::vector<uint16_t>> FilterTables();
  bool FilterRunning();

  bool IsInstalled() override;
  bool Install() override;
  bool WriteReport(std::span<const uint8_t> report) override;
  bool SetFilterTable(std::span<const uint16_t> key_codes) override;
  bool StartFilter() override;
  void StopFilter() override;
  std::optional<FilterKeyEvent> WaitFilterEvent(std::chrono::milliseconds timeout) override;

 private:
  std::mutex mutex_;
  std::condition_variable injected_;
  bool installed_ = true;
  bool filter_running_ = false;
  std::vector<std::vector<uint8_t>> reports_;
  std::vector<std::vector<uint16_t>> tables_;
  std::deque<FilterKeyEvent> events_;
};

}  // namespace platform
