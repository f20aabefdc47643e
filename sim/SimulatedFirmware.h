#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <vector>

#include "sim/SimReport.h"

namespace sim {

// The firmware of the simulated keyboard: answers every command of the protocol and keeps what a
// keyboard keeps. One firmware serves every connection mode, as one keyboard does whether it is
// reached by cable or by a receiver. Thread-safe: transfers may arrive from several threads.
class SimulatedFirmware {
 public:
  static constexpr int kMacroSlots = 13;
  static constexpr int kRemapSlots = 10;
  static constexpr int kPositions = 110;  // key and light positions 0 to 109
  static constexpr size_t kMacroSlotEventBytes = 164;
  static constexpr size_t kUploadAreaBytes = 1200;
  static constexpr size_t kReportLogLimit = 20000;
  // Interface numbers.
  static constexpr int kCommandInterface = 1;
  static constexpr int kSideInterface = 3;

  struct MacroSlot {
    uint8_t key = 0;  // 0: the slot is free
    uint8_t loops = 0;
    std::vector<uint8_t> events;  // the event pairs as written, kMacroSlotEventBytes long
  };
  struct RemapSlot {
    uint8_t key = 0;  // 0: the slot is free
    uint8_t value = 0;
  };
  struct ParameterLight {  // what the 0x88 and 0x89 output reports set
    uint8_t mode = 0;
    uint8_t flags = 0;  // direction × 16 + 0x40 when colourful + speed
    uint32_t colour = 0;
    uint8_t brightness = 0;
  };

  explicit SimulatedFirmware(int firmware_version = 0x0105);

  // What the HID interfaces hand over. Each returns the byte count taken or answered, or -1.
  int OnWrite(int connection_mode, int interface_number, std::span<const uint8_t> report);
  int OnSetFeature(int connection_mode, int interface_number, std::span<const uint8_t> report);
  int OnGetFeature(int connection_mode, int interface_number, std::span<uint8_t> report);

  // Kept state. Slots count from 1; positions from 0.
  std::array<uint8_t, 28> SlotTable() const;
  MacroSlot GetMacroSlot(int slot) const;
  RemapSlot GetRemapSlot(int slot) const;
  // A family A macro upload reassembled by offset: repeat count, event count n and 3n event bytes;
  // empty when nothing was uploaded to `slot`.
  std::vector<uint8_t> UploadedMacro(int slot) const;
  std::array<uint8_t, 2> KeyMapEntry(int position) const;
  ParameterLight GetParameterLight() const;
  // Bytes 3 to 7 of the last 0xFF 0xFF feature report (both families' layouts) and bytes 5 to 10
  // of the last framed light packet.
  std::array<uint8_t, 5> FeatureLight() const;
  std::array<uint8_t, 6> FramedLight() const;
  // 0x00BBGGRR as the keyboard holds it, or -1 for a position whose 0xFF marker was not sent.
  int64_t KeyColour(int position) const;
  uint32_t LiveColour(int position) const;
  bool LiveStarted() const;
  int LiveFrames() const;  // frames received in full
  uint8_t MusicStyle() const;
  uint8_t MusicLevel() const;
  int FirmwareVersion() const;
  void SetFirmwareVersion(int version);
  int FactoryResets() const;
  int UnknownReports() const;

  std::vector<SimReport> Reports() const;
  void ClearReports();

  // Faults. Counting starts with the next transfer of that kind.
  // The `nth` write (1 = the next), and the `count` - 1 after it, fail.
  void FailWrites(int nth, int count = 1);
  // The same for feature transfers, set and get alike.
  void FailFeatures(int nth, int count = 1);
  // The next `count` get-feature answers carry `report_id` instead of 0x07.
  void AnswerWithReportId(uint8_t report_id, int count = 1);
  // Calls `unplug` right after the `nth` transfer of any kind was taken.
  void UnplugAfterTransfers(int nth, std::function<void()> unplug);

 private:
  using Feature = std::array<uint8_t, 8>;

  bool ShouldFail(int& countdown, int& remaining);
  void Record(SimReport::Kind kind, int connection_mode, int interface_number,
              std::span<const uint8_t> bytes, bool taken);
  std::function<void()> TakeUnplugIfDue();
  void ApplyWrite(int interface_number, std::span<const uint8_t> report);
  void ApplyFeature(std::span<const uint8_t> report);
  void ApplyFramed(std::span<const uint8_t> payload);
  void ApplyChunk(std::span<uint8_t> table, std::span<const uint8_t> report);
  void FinishMacroSlotBlock();
  void Reset();

  mutable std::mutex mutex_;
  // Kept state.
  std::array<MacroSlot, kMacroSlots> macro_slots_{};
  std::array<RemapSlot, kRemapSlots> remap_slots_{};
  std::map<int, std::vector<uint8_t>> uploads_;
  std::array<uint8_t, 2 * kPositions> key_map_{};
  ParameterLight parameter_light_;
  std::array<uint8_t, 5> feature_light_{};
  std::array<uint8_t, 6> framed_light_{};
  std::array<uint8_t, 4 * kPositions> key_colours_{};
  std::array<uint8_t, 3 * kPositions> live_colours_{};
  bool live_started_ = false;
  int live_frames_ = 0;
  uint8_t music_style_ = 0;
  uint8_t music_level_ = 0;
  int firmware_version_;
  int factory_resets_ = 0;
  int unknown_reports_ = 0;
  // Exchange in progress.
  std::vector<uint8_t> macro_slot_block_;  // a 0xF1 slot write being received
  std::deque<Feature> answers_;            // get-feature answers waiting to be fetched
  bool framed_reset_armed_ = false;
  // Faults.
  int fail_write_countdown_ = 0, fail_write_remaining_ = 0;
  int fail_feature_countdown_ = 0, fail_feature_remaining_ = 0;
  uint8_t wrong_report_id_ = 0;
  int wrong_answers_ = 0;
  int unplug_countdown_ = 0;
  std::function<void()> unplug_;
  std::deque<SimReport> reports_;
};

}  // namespace sim
