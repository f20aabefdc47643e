#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "platform/Clock.h"
#include "platform/Hid.h"

// A HID back end that hands everything to another and describes each transfer in one line: the
// time since the previous transfer, the direction, the channel and the report bytes in hex, e.g.
//   +16.012 ms  -> feature  07 FD 00 00 00 00 00 00
// so a user can see exactly what went to the keyboard and what came back.
class TracingHid final : public platform::Hid, public std::enable_shared_from_this<TracingHid> {
 public:
  using LinePrinter = std::function<void(const std::string& line)>;

  TracingHid(std::shared_ptr<platform::Hid> inner, LinePrinter printer);

  std::vector<platform::HidInterfaceInfo> Enumerate() override;
  std::unique_ptr<platform::HidDevice> Open(const std::wstring& path) override;
  void SetPlugListener(std::function<void(const platform::HidPlugEvent&)> listener) override;

  // Called by the traced handles after each transfer. Handles keep this back end alive, so create
  // it with std::make_shared.
  void Trace(const char* direction, const char* channel, std::span<const uint8_t> bytes,
             int result);

 private:
  std::shared_ptr<platform::Hid> inner_;
  LinePrinter printer_;
  std::mutex mutex_;
  platform::Clock::Duration previous_;
};
