#include "app/device/TracingHid.h"

#include <cstdio>
#include <cwctype>

#include "platform/Backend.h"

namespace {

// The interface number of the side channel, as it appears in the interface path.
constexpr std::wstring_view kSideChannelMarker = L"&MI_03";

class TracingDevice final : public platform::HidDevice {
 public:
  TracingDevice(std::unique_ptr<platform::HidDevice> inner, std::shared_ptr<TracingHid> trace,
                bool side)
      : inner_(std::move(inner)),
        trace_(std::move(trace)),
        output_channel_(side ? "side" : "output") {}

  int Write(std::span<const uint8_t> report) override {
    const int result = inner_->Write(report);
    trace_->Trace("->", output_channel_, report, result);
    return result;
  }
  int SendFeatureReport(std::span<const uint8_t> report) override {
    const int result = inner_->SendFeatureReport(report);
    trace_->Trace("->", "feature", report, result);
    return result;
  }
  int GetFeatureReport(std::span<uint8_t> report) override {
    const int result = inner_->GetFeatureReport(report);
    trace_->Trace("<-", "feature", report, result);
    return result;
  }
  const std::wstring& LastError() const override { return inner_->LastError(); }

 private:
  std::unique_ptr<platform::HidDevice> inner_;
  std::shared_ptr<TracingHid> trace_;
  const char* output_channel_;
};

bool IsSideChannel(const std::wstring& path) {
  std::wstring upper = path;
  for (auto& c : upper)
    c = static_cast<wchar_t>(std::towupper(c));
  return upper.find(kSideChannelMarker) != std::wstring::npos;
}

}  // namespace

TracingHid::TracingHid(std::shared_ptr<platform::Hid> inner, LinePrinter printer)
    : inner_(std::move(inner)),
      printer_(std::move(printer)),
      previous_(platform::Get<platform::Clock>().Now()) {}

std::vector<platform::HidInterfaceInfo> TracingHid::Enumerate() {
  return inner_->Enumerate();
}

std::unique_ptr<platform::HidDevice> TracingHid::Open(const std::wstring& path) {
  auto device = inner_->Open(path);
  if (!device) return nullptr;
  return std::make_unique<TracingDevice>(std::move(device), shared_from_this(),
                                         IsSideChannel(path));
}

void TracingHid::SetPlugListener(std::function<void(const platform::HidPlugEvent&)> listener) {
  inner_->SetPlugListener(std::move(listener));
}

void TracingHid::Trace(const char* direction, const char* channel, std::span<const uint8_t> bytes,
                       int result) {
  std::lock_guard lock(mutex_);
  const auto now = platform::Get<platform::Clock>().Now();
  const double elapsed_ms = std::chrono::duration<double, std::milli>(now - previous_).count();
  previous_ = now;
  char head[64];
  std::snprintf(head, sizeof head, "+%.3f ms  %s %-7s ", elapsed_ms, direction, channel);
  std::string line = head;
  for (uint8_t byte : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", byte);
    line += hex;
  }
  if (result < 0) line += "  (failed)";
  printer_(line);
}
