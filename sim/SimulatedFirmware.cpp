#include "sim/SimulatedFirmware.h"

#include <algorithm>

#include "platform/Backend.h"

namespace sim {
namespace {

constexpr uint8_t kFeatureId = 0x07;
constexpr size_t kMacroSlotBlockBytes = 168;
constexpr uint8_t kFrameMarker[4] = {0xBB, 0xAA, 0x99, 0x88};

bool Matches(std::span<const uint8_t> report, std::initializer_list<uint8_t> start) {
  return report.size() >= start.size() && std::equal(start.begin(), start.end(), report.begin());
}

}  // namespace

SimulatedFirmware::SimulatedFirmware(int firmware_version) : firmware_version_(firmware_version) {}

bool SimulatedFirmware::ShouldFail(int& countdown, int& remaining) {
  if (countdown > 0 && --countdown > 0) return false;
  if (remaining <= 0) return false;
  --remaining;
  return true;
}

void SimulatedFirmware::Record(SimReport::Kind kind, int connection_mode, int interface_number,
                               std::span<const uint8_t> bytes, bool taken) {
  reports_.push_back(SimReport{platform::Get<platform::Clock>().Now(), kind, connection_mode,
                               interface_number, std::vector<uint8_t>(bytes.begin(), bytes.end()),
                               taken});
  // A long simulated session keeps only its recent history.
  if (reports_.size() > kReportLogLimit) reports_.pop_front();
}

std::function<void()> SimulatedFirmware::TakeUnplugIfDue() {
  if (unplug_countdown_ <= 0 || --unplug_countdown_ > 0) return {};
  return std::exchange(unplug_, {});
}

int SimulatedFirmware::OnWrite(int connection_mode, int interface_number,
                               std::span<const uint8_t> report) {
  std::function<void()> unplug;
  {
    std::lock_guard lock(mutex_);
    const bool fail = ShouldFail(fail_write_countdown_, fail_write_remaining_);
    Record(SimReport::Kind::Write, connection_mode, interface_number, report, !fail);
    if (fail) return -1;
    ApplyWrite(interface_number, report);
    unplug = TakeUnplugIfDue();
  }
  // Outside the lock: unplugging goes through the bus, which may call back into listeners.
  if (unplug) unplug();
  return static_cast<int>(report.size());
}

int SimulatedFirmware::OnSetFeature(int connection_mode, int interface_number,
                                    std::span<const uint8_t> report) {
  std::function<void()> unplug;
  {
    std::lock_guard lock(mutex_);
    const bool fail = ShouldFail(fail_feature_countdown_, fail_feature_remaining_);
    Record(SimReport::Kind::SetFeature, connection_mode, interface_number, report, !fail);
    if (fail) return -1;
    if (interface_number == kCommandInterface) {
      ApplyFeature(report);
    } else {
      ++unknown_reports_;
    }
    unplug = TakeUnplugIfDue();
  }
  if (unplug) unplug();
  return static_cast<int>(report.size());
}

int SimulatedFirmware::OnGetFeature(int connection_mode, int interface_number,
                                    std::span<uint8_t> report) {
  std::function<void()> unplug;
  {
    std::lock_guard lock(mutex_);
    if (ShouldFail(fail_feature_countdown_, fail_feature_remaining_)) {
      Record(SimReport::Kind::GetFeature, connection_mode, interface_number, report, false);
      return -1;
    }
    // Without a request waiting, the report reads as empty.
    Feature answer{kFeatureId};
    if (interface_number == kCommandInterface && !answers_.empty()) {
      answer = answers_.front();
      // The last answer stays the report's content until the next request, as on a keyboard.
      if (answers_.size() > 1) answers_.pop_front();
    }
    if (wrong_answers_ > 0) {
      --wrong_answers_;
      answer[0] = wrong_report_id_;
    }
    const size_t count = std::min(report.size(), answer.size());
    std::copy_n(answer.begin(), count, report.begin());
    Record(SimReport::Kind::GetFeature, connection_mode, interface_number, report.first(count),
           true);
    unplug = TakeUnplugIfDue();
  }
  if (unplug) unplug();
  return static_cast<int>(std::min(report.size(), sizeof(Feature)));
}

void SimulatedFirmware::ApplyWrite(int interface_number, std::span<const uint8_t> report) {
  if (report.size() < 2 || report[0] != 0x00) {
    ++unknown_reports_;
    return;
  }
  const auto payload = report.subspan(1);
  if (interface_number == kSideInterface) {
    // The live colour stream counts only once it was started on the command interface.
    if (payload[0] == 0xF1 && live_started_) {
      ApplyChunk(live_colours_, report);
      const size_t offset = report[3] | (report[4] << 8);
      if (offset + report[2] >= live_colours_.size()) ++live_frames_;
    } else {
      ++unknown_reports_;
    }
    return;
  }
  if (interface_number != kCommandInterface) {
    ++unknown_reports_;
    return;
  }
  if (Matches(payload, {kFrameMarker[0], kFrameMarker[1], kFrameMarker[2], kFrameMarker[3]})) {
    ApplyFramed(payload.subspan(4));
    return;
  }
  switch (payload[0]) {
    case 0x8D:
      ApplyChunk(key_map_, report);
      return;
    case 0x8B:
      ApplyChunk(key_colours_, report);
      return;
    case 0x8E: {
      // Each packet carries 59 bytes of the body at its offset; the body's second byte says how
      // many events it holds.
      const size_t offset = report[3] | (report[4] << 8);
      auto& area = uploads_[report[5]];
      if (offset >= kUploadAreaBytes) return;
      const size_t count = std::min<size_t>(59, kUploadAreaBytes - offset);
      if (area.size() < offset + count) area.resize(offset + count);
      std::copy_n(report.begin() + 6, std::min(count, report.size() - 6),
                  area.begin() + static_cast<std::ptrdiff_t>(offset));
      return;
    }
    case 0x88:
      parameter_light_.mode = report[3];
      return;
    case 0x89:
      parameter_light_.flags = report[3];
      parameter_light_.colour = report[4] | (report[5] << 8) | (report[6] << 16);
      parameter_light_.brightness = report[7];
      return;
    case 0xF0:
      if (Matches(payload, {0xF0, 0xF4, 0x01})) {
        live_started_ = true;
        return;
      }
      break;
    case 0xFF:
      if (Matches(payload, {0xFF, 0xFE, 0xAA, 0xFF})) {
        Reset();
        return;
      }
      break;
    default:
      break;
  }
  ++unknown_reports_;
}

void SimulatedFirmware::ApplyChunk(std::span<uint8_t> table, std::span<const uint8_t> report) {
  // [0x00, command, length, offset low, offset high, data]: only `length` bytes are valid.
  const size_t length = std::min<size_t>(report[2], report.size() - 5);
  const size_t offset = report[3] | (report[4] << 8);
  if (offset >= table.size()) return;
  const size_t count = std::min(length, table.size() - offset);
  std::copy_n(report.begin() + 5, count, table.begin() + static_cast<std::ptrdiff_t>(offset));
}

void SimulatedFirmware::ApplyFeature(std::span<const uint8_t> report) {
  if (report.size() < 8 || report[0] != kFeatureId) {
    ++unknown_reports_;
    return;
  }
  const uint8_t command = report[1];
  if (command == 0x00 && !macro_slot_block_.empty()) {
    macro_slot_block_.insert(macro_slot_block_.end(), report.begin() + 2, report.begin() + 8);
    if (macro_slot_block_.size() >= kMacroSlotBlockBytes) FinishMacroSlotBlock();
    return;
  }
  if (command == 0xF1) {
    macro_slot_block_.assign(report.begin() + 2, report.begin() + 8);
    return;
  }
  if (Matches(report, {kFeatureId, 0xFB, 0x01})) {
    // The slot table: byte 0 unused, 1 to 13 the macro slots' keys, 14 to 23 the remapping slots'.
    std::array<uint8_t, 28> table = {};
    for (int i = 0; i < kMacroSlots; ++i)
      table[1 + i] = macro_slots_[i].key;
    for (int i = 0; i < kRemapSlots; ++i)
      table[1 + kMacroSlots + i] = remap_slots_[i].key;
    answers_.clear();
    for (size_t k = 0; k < 4; ++k) {
      Feature answer{kFeatureId};
      std::copy_n(table.begin() + 7 * k, 7, answer.begin() + 1);
      answers_.push_back(answer);
    }
    return;
  }
  if (command == 0xFD) {
    answers_.clear();
    answers_.push_back(Feature{kFeatureId, static_cast<uint8_t>(firmware_version_ >> 8),
                               static_cast<uint8_t>(firmware_version_ & 0xFF)});
    return;
  }
  if (Matches(report, {kFeatureId, 0xFA, 0x01})) {
    const int slot = report[3];
    if (slot >= 1 && slot <= kRemapSlots) remap_slots_[slot - 1] = RemapSlot{report[4], report[6]};
    return;
  }
  if (Matches(report, {kFeatureId, 0xFF, 0xFF})) {
    std::copy_n(report.begin() + 3, 5, feature_light_.begin());
    return;
  }
  if (Matches(report, {kFeatureId, 0xF0, 0xAA})) {
    Reset();
    return;
  }
  if (Matches(report, {kFeatureId, 0x23, 0x45, 0x67, 0x89})) {
    music_style_ = report[5];
    music_level_ = report[6];
    return;
  }
  ++unknown_reports_;
}

void SimulatedFirmware::FinishMacroSlotBlock() {
  const std::vector<uint8_t> block = std::move(macro_slot_block_);
  macro_slot_block_.clear();
  const int slot = block[1];
  if (block[0] != 0x01 || slot < 1 || slot > kMacroSlots) {
    ++unknown_reports_;
    return;
  }
  MacroSlot& target = macro_slots_[slot - 1];
  // An all-zero tail frees the slot.
  target.key = block[2];
  target.loops = block[3];
  target.events.assign(block.begin() + 4, block.begin() + kMacroSlotBlockBytes);
}

void SimulatedFirmware::ApplyFramed(std::span<const uint8_t> payload) {
  // payload starts at the sub-command: AA m b s 00 c d for a light setting, AA × 6 to arm a
  // reset and 00 × 6 to carry it out.
  if (payload.size() < 7) {
    ++unknown_reports_;
    return;
  }
  if (Matches(payload, {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA})) {
    framed_reset_armed_ = true;
    return;
  }
  if (Matches(payload, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00})) {
    if (framed_reset_armed_) Reset();
    framed_reset_armed_ = false;
    return;
  }
  framed_reset_armed_ = false;
  if (payload[0] == 0xAA) {
    std::copy_n(payload.begin() + 1, 6, framed_light_.begin());
    return;
  }
  ++unknown_reports_;
}

void SimulatedFirmware::Reset() {
  macro_slots_ = {};
  remap_slots_ = {};
  uploads_.clear();
  key_map_ = {};
  parameter_light_ = {};
  feature_light_ = {};
  framed_light_ = {};
  key_colours_ = {};
  live_colours_ = {};
  music_style_ = 0;
  music_level_ = 0;
  macro_slot_block_.clear();
  ++factory_resets_;
}

std::array<uint8_t, 28> SimulatedFirmware::SlotTable() const {
  std::lock_guard lock(mutex_);
  std::array<uint8_t, 28> table = {};
  for (int i = 0; i < kMacroSlots; ++i)
    table[1 + i] = macro_slots_[i].key;
  for (int i = 0; i < kRemapSlots; ++i)
    table[1 + kMacroSlots + i] = remap_slots_[i].key;
  return table;
}

SimulatedFirmware::MacroSlot SimulatedFirmware::GetMacroSlot(int slot) const {
  std::lock_guard lock(mutex_);
  return slot >= 1 && slot <= kMacroSlots ? macro_slots_[slot - 1] : MacroSlot{};
}

SimulatedFirmware::RemapSlot SimulatedFirmware::GetRemapSlot(int slot) const {
  std::lock_guard lock(mutex_);
  return slot >= 1 && slot <= kRemapSlots ? remap_slots_[slot - 1] : RemapSlot{};
}

std::vector<uint8_t> SimulatedFirmware::UploadedMacro(int slot) const {
  std::lock_guard lock(mutex_);
  const auto found = uploads_.find(slot);
  if (found == uploads_.end() || found->second.size() < 2) return {};
  const auto& area = found->second;
  const size_t length = std::min<size_t>(2 + 3 * area[1], area.size());
  return std::vector<uint8_t>(area.begin(), area.begin() + static_cast<std::ptrdiff_t>(length));
}

std::array<uint8_t, 2> SimulatedFirmware::KeyMapEntry(int position) const {
  std::lock_guard lock(mutex_);
  if (position < 0 || position >= kPositions) return {};
  return {key_map_[2 * position], key_map_[2 * position + 1]};
}

SimulatedFirmware::ParameterLight SimulatedFirmware::GetParameterLight() const {
  std::lock_guard lock(mutex_);
  return parameter_light_;
}

std::array<uint8_t, 5> SimulatedFirmware::FeatureLight() const {
  std::lock_guard lock(mutex_);
  return feature_light_;
}

std::array<uint8_t, 6> SimulatedFirmware::FramedLight() const {
  std::lock_guard lock(mutex_);
  return framed_light_;
}

int64_t SimulatedFirmware::KeyColour(int position) const {
  std::lock_guard lock(mutex_);
  if (position < 0 || position >= kPositions) return -1;
  const uint8_t* entry = &key_colours_[4 * position];
  if (entry[3] != 0xFF) return -1;
  return entry[0] | (entry[1] << 8) | (entry[2] << 16);
}

uint32_t SimulatedFirmware::LiveColour(int position) const {
  std::lock_guard lock(mutex_);
  if (position < 0 || position >= kPositions) return 0;
  const uint8_t* entry = &live_colours_[3 * position];
  return entry[0] | (entry[1] << 8) | (entry[2] << 16);
}

bool SimulatedFirmware::LiveStarted() const {
  std::lock_guard lock(mutex_);
  return live_started_;
}

int SimulatedFirmware::LiveFrames() const {
  std::lock_guard lock(mutex_);
  return live_frames_;
}

uint8_t SimulatedFirmware::MusicStyle() const {
  std::lock_guard lock(mutex_);
  return music_style_;
}

uint8_t SimulatedFirmware::MusicLevel() const {
  std::lock_guard lock(mutex_);
  return music_level_;
}

int SimulatedFirmware::FirmwareVersion() const {
  std::lock_guard lock(mutex_);
  return firmware_version_;
}

void SimulatedFirmware::SetFirmwareVersion(int version) {
  std::lock_guard lock(mutex_);
  firmware_version_ = version;
}

int SimulatedFirmware::FactoryResets() const {
  std::lock_guard lock(mutex_);
  return factory_resets_;
}

int SimulatedFirmware::UnknownReports() const {
  std::lock_guard lock(mutex_);
  return unknown_reports_;
}

std::vector<SimReport> SimulatedFirmware::Reports() const {
  std::lock_guard lock(mutex_);
  return std::vector<SimReport>(reports_.begin(), reports_.end());
}

void SimulatedFirmware::ClearReports() {
  std::lock_guard lock(mutex_);
  reports_.clear();
}

void SimulatedFirmware::FailWrites(int nth, int count) {
  std::lock_guard lock(mutex_);
  fail_write_countdown_ = nth;
  fail_write_remaining_ = count;
}

void SimulatedFirmware::FailFeatures(int nth, int count) {
  std::lock_guard lock(mutex_);
  fail_feature_countdown_ = nth;
  fail_feature_remaining_ = count;
}

void SimulatedFirmware::AnswerWithReportId(uint8_t report_id, int count) {
  std::lock_guard lock(mutex_);
  wrong_report_id_ = report_id;
  wrong_answers_ = count;
}

void SimulatedFirmware::UnplugAfterTransfers(int nth, std::function<void()> unplug) {
  std::lock_guard lock(mutex_);
  unplug_countdown_ = nth;
  unplug_ = std::move(unplug);
}

}  // namespace sim
