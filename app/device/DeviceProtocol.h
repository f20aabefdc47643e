#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/device/DeviceLink.h"

// An 8-byte feature report: report id 0x07, the command code, six parameter bytes.
using FeatureReport = std::array<uint8_t, 8>;
// A 65-byte output report: report id 0x00, the command code, 63 parameter and data bytes.
using OutputReport = std::array<uint8_t, 65>;
// The 64 payload bytes of a framed packet (an output report without its report id).
using FramedPayload = std::array<uint8_t, 64>;

// Where a chunked transfer goes.
enum class OutputChannel { Chosen, Side };

// A block sent as a run of output reports [0x00, command, length, offset low, offset high, data].
struct ChunkedTransfer {
  uint8_t command = 0;
  size_t total = 0;                    // bytes the length fields account for
  std::chrono::milliseconds pause{0};  // before each packet
  OutputChannel channel = OutputChannel::Chosen;
  bool stop_at_failure = true;
};

// The transfer operations every command is built from, with the pauses and retries the keyboard
// expects. Pauses go through the platform clock. Each operation first checks that the link can
// reach the keyboard and returns false without touching it otherwise. The link's lock is held only
// for a single transfer, never across a pause, so a Close on another thread waits at most one
// transfer.
class DeviceProtocol {
 public:
  static constexpr uint8_t kFeatureReportId = 0x07;
  static constexpr uint8_t kOutputReportId = 0x00;
  static constexpr size_t kChunkBytes = 60;
  static constexpr size_t kFeatureBlockBytes = 28;
  static constexpr std::chrono::milliseconds kFeaturePause{16};
  static constexpr std::chrono::milliseconds kWriteRetryPause{10};
  static constexpr std::chrono::milliseconds kFramedRetryPause{32};

  explicit DeviceProtocol(DeviceLink& link) : link_(link) {}

  DeviceLink& Link() { return link_; }

  // Sleeps `pause` on the platform clock.
  void Pause(std::chrono::milliseconds pause);

  // A set-feature after a 16 ms pause; true when it was taken.
  bool SendFeatureAfterPause(const FeatureReport& report);
  // A set-feature with no pause; true when it was taken.
  bool SendFeature(const FeatureReport& report);
  // Sends `request`, then fetches four answers (16 ms before each) whose bytes 1 to 7 fill `out` in
  // order. An answer that does not arrive leaves its seven bytes as they were. True only when the
  // request and all four answers went through.
  bool ReadFeatureBlock(const FeatureReport& request, std::array<uint8_t, kFeatureBlockBytes>& out);
  // The firmware version, answer byte 1 × 256 + byte 2. An answer with the wrong report id is
  // fetched once more; false when no good answer came.
  bool ReadFirmwareVersion(int& version);

  // An output report on the chosen interface, written once more after 10 ms if it failed.
  bool WriteReport(const OutputReport& report);
  // An output report on the side channel, written once more after 10 ms if it failed.
  bool WriteSideReport(const OutputReport& report);
  // A framed packet on the chosen interface, written once more after 32 ms if it failed.
  bool WriteFramed(const FramedPayload& payload);

  // Sends `block` in 60-byte packets. A packet carries the block's bytes from its offset, never
  // reading past the block's end (missing bytes are sent as zeros). True when every packet went
  // out.
  bool WriteChunked(const ChunkedTransfer& transfer, std::span<const uint8_t> block);

  // Copies up to `count` bytes of `source` from `offset` to `target`, stopping at the source's end.
  static void CopyBounded(std::span<const uint8_t> source, size_t offset, size_t count,
                          uint8_t* target);

 private:
  DeviceLink& link_;
};
