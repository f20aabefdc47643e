#include "app/device/DeviceProtocol.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Clock.h"

namespace {

constexpr uint8_t kFirmwareVersionCommand = 0xFD;
// Every answer of a feature block read is fetched with the slot-table request's first three bytes.
constexpr uint8_t kFeatureBlockAnswerHeader[3] = {0x07, 0xFB, 0x01};

}  // namespace

void DeviceProtocol::Pause(std::chrono::milliseconds pause) {
  platform::Get<platform::Clock>().Sleep(pause);
}

bool DeviceProtocol::SendFeatureAfterPause(const FeatureReport& report) {
  if (!link_.CanTransfer()) return false;
  Pause(kFeaturePause);
  return link_.SendFeature(report) > 0;
}

bool DeviceProtocol::SendFeature(const FeatureReport& report) {
  if (!link_.CanTransfer()) return false;
  return link_.SendFeature(report) > 0;
}

bool DeviceProtocol::ReadFeatureBlock(const FeatureReport& request,
                                      std::array<uint8_t, kFeatureBlockBytes>& out) {
  if (!link_.CanTransfer()) return false;
  // A failed request is not retried; the answers are still fetched, as the keyboard expects.
  bool complete = link_.SendFeature(request) > 0;
  FeatureReport answer{};
  for (size_t k = 0; k < 4; ++k) {
    std::copy(std::begin(kFeatureBlockAnswerHeader), std::end(kFeatureBlockAnswerHeader),
              answer.begin());
    Pause(kFeaturePause);
    if (link_.GetFeature(answer) > 0) {
      std::copy(answer.begin() + 1, answer.end(), out.begin() + 7 * k);
    } else {
      complete = false;
    }
  }
  return complete;
}

bool DeviceProtocol::ReadFirmwareVersion(int& version) {
  if (!link_.CanTransfer()) return false;
  const FeatureReport request{kFeatureReportId, kFirmwareVersionCommand};
  Pause(kFeaturePause);
  if (link_.SendFeature(request) <= 0) return false;
  FeatureReport answer = request;
  Pause(kFeaturePause);
  bool answered = link_.GetFeature(answer) > 0;
  if (!answered || answer[0] != kFeatureReportId) {
    // Asked again with the request's own bytes: a wrong first byte must not become the report id.
    Pause(kFeaturePause);
    answer = request;
    answered = link_.GetFeature(answer) > 0;
  }
  // An answer that never came still holds the request, which would read as version 0xFD00.
  if (!answered || answer[0] != kFeatureReportId) return false;
  version = answer[1] * 256 + answer[2];
  return true;
}

bool DeviceProtocol::WriteReport(const OutputReport& report) {
  if (!link_.CanTransfer()) return false;
  if (link_.WriteOutput(report) > 0) return true;
  Pause(kWriteRetryPause);
  return link_.WriteOutput(report) > 0;
}

bool DeviceProtocol::WriteSideReport(const OutputReport& report) {
  if (!link_.CanTransferSide()) return false;
  if (link_.WriteSide(report) > 0) return true;
  Pause(kWriteRetryPause);
  return link_.WriteSide(report) > 0;
}

bool DeviceProtocol::WriteFramed(const FramedPayload& payload) {
  if (!link_.CanTransfer()) return false;
  OutputReport report{kOutputReportId};
  std::copy(payload.begin(), payload.end(), report.begin() + 1);
  if (link_.WriteOutput(report) > 0) return true;
  Pause(kFramedRetryPause);
  return link_.WriteOutput(report) > 0;
}

bool DeviceProtocol::WriteChunked(const ChunkedTransfer& transfer, std::span<const uint8_t> block) {
  bool all_written = true;
  for (size_t offset = 0; offset < transfer.total; offset += kChunkBytes) {
    OutputReport report{kOutputReportId, transfer.command};
    report[2] = static_cast<uint8_t>(std::min(kChunkBytes, transfer.total - offset));
    report[3] = static_cast<uint8_t>(offset & 0xFF);
    report[4] = static_cast<uint8_t>(offset >> 8);
    CopyBounded(block, offset, kChunkBytes, report.data() + 5);
    Pause(transfer.pause);
    const bool written =
        transfer.channel == OutputChannel::Side ? WriteSideReport(report) : WriteReport(report);
    if (!written) {
      all_written = false;
      if (transfer.stop_at_failure) break;
    }
  }
  return all_written;
}

void DeviceProtocol::CopyBounded(std::span<const uint8_t> source, size_t offset, size_t count,
                                 uint8_t* target) {
  if (offset >= source.size()) return;
  const size_t available = std::min(count, source.size() - offset);
  std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(offset), available, target);
}
