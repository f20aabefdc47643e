#include "app/device/KeyboardCommands.h"

#include <algorithm>

namespace {

using std::chrono::milliseconds;

constexpr uint8_t kReport = DeviceProtocol::kFeatureReportId;
constexpr uint8_t kOut = DeviceProtocol::kOutputReportId;

// Command codes.
constexpr uint8_t kSlotTableRead = 0xFB;
constexpr uint8_t kRemapSlotWrite = 0xFA;
constexpr uint8_t kMacroSlotWrite = 0xF1;
constexpr uint8_t kMacroUpload = 0x8E;
constexpr uint8_t kKeyMapWrite = 0x8D;
constexpr uint8_t kLightModeWrite = 0x88;
constexpr uint8_t kLightParameterWrite = 0x89;
constexpr uint8_t kKeyColourWrite = 0x8B;
constexpr uint8_t kLiveColourStream = 0xF1;
constexpr uint8_t kFramedLight = 0xAA;

// The per-key mode's feature bit: only that mode sends its option (slot) index by cable.
constexpr int kPerKeyModeBit = 0x100;
// Framed packets start with the 32-bit marker 0x8899AABB, least significant byte first.
constexpr uint8_t kFrameMarker[4] = {0xBB, 0xAA, 0x99, 0x88};

constexpr milliseconds kMacroLeadPause{10};
constexpr milliseconds kMacroPacketPause{100};
constexpr milliseconds kKeyMapPause{10};
constexpr milliseconds kColourPause{1};
constexpr milliseconds kResetSettlePause{100};
constexpr milliseconds kFramedResetGap{1600};

uint8_t Byte(int value) {
  return static_cast<uint8_t>(value & 0xFF);
}

// Family B counts brightness and speed from 1; 0 stays 0.
uint8_t LessOneUnlessZero(uint8_t value) {
  return value == 0 ? 0 : static_cast<uint8_t>(value - 1);
}

FramedPayload Framed(std::initializer_list<uint8_t> after_marker) {
  FramedPayload payload{};
  std::copy(std::begin(kFrameMarker), std::end(kFrameMarker), payload.begin());
  std::copy(after_marker.begin(), after_marker.end(), payload.begin() + 4);
  return payload;
}

}  // namespace

KeyboardCommands& KeyboardCommands::Instance() {
  static KeyboardCommands* commands = new KeyboardCommands(DeviceLink::Instance());
  return *commands;
}

void KeyboardCommands::SetKeyboard(int device_type, int connection_mode) {
  device_type_ = device_type;
  connection_mode_ = connection_mode;
}

bool KeyboardCommands::ReadSlotTable(SlotTable& table) {
  if (!ReadsSlotTable(device_type_)) return false;
  std::array<uint8_t, DeviceProtocol::kFeatureBlockBytes> block{};
  if (!protocol_.ReadFeatureBlock({kReport, kSlotTableRead, 0x01}, block)) return false;
  // Byte 0 is not used; 1 to 13 the macro slots, 14 to 23 the remapping slots.
  std::copy_n(block.begin() + 1, kMacroSlots, table.macro_keys.begin());
  std::copy_n(block.begin() + 1 + kMacroSlots, kRemapSlots, table.remap_keys.begin());
  return true;
}

bool KeyboardCommands::WriteRemapSlot(int slot, uint8_t key, uint8_t value) {
  if (FamilyOf(device_type_) != CommandFamily::B) return false;
  return protocol_.SendFeatureAfterPause(
      {kReport, kRemapSlotWrite, 0x01, Byte(slot), key, 0x01, value, 0x01});
}

bool KeyboardCommands::WriteMacroSlot(std::span<const uint8_t> block) {
  if (FamilyOf(device_type_) != CommandFamily::B) return false;
  constexpr size_t kPieceBytes = 6;
  bool all_taken = true;
  for (size_t piece = 0; piece < kMacroSlotBlockBytes / kPieceBytes; ++piece) {
    FeatureReport report{kReport, piece == 0 ? kMacroSlotWrite : uint8_t{0x00}};
    DeviceProtocol::CopyBounded(block, piece * kPieceBytes, kPieceBytes, report.data() + 2);
    // A piece that is not taken is not sent again; the others still go.
    if (!protocol_.SendFeatureAfterPause(report)) all_taken = false;
  }
  return all_taken;
}

bool KeyboardCommands::UploadMacro(int slot, std::span<const uint8_t> body) {
  if (FamilyOf(device_type_) != CommandFamily::A || body.size() < 2) return false;
  // The keyboard counts a body of n events as N = 3n + 3 bytes and reads the length byte of the
  // last packet as N - 60 * (N / 60).
  const size_t events = body[1];
  const size_t counted = 3 * events + 3;
  const size_t carried = counted - 1;  // repeat count, event count and the events themselves
  size_t packets = counted / 60 + 1;
  size_t last_length = counted - 60 * (counted / 60);
  if (packets * kMacroChunkBytes < carried) {
    // Long macros would lose their tail in that many packets: add packets until it fits, the
    // last one saying how many bytes it really carries.
    packets = (carried + kMacroChunkBytes - 1) / kMacroChunkBytes;
    last_length = carried - kMacroChunkBytes * (packets - 1);
  }
  protocol_.Pause(kMacroLeadPause);
  for (size_t k = 0; k < packets; ++k) {
    const size_t offset = kMacroChunkBytes * k;
    OutputReport report{kOut, kMacroUpload};
    report[2] = k + 1 == packets ? Byte(static_cast<int>(last_length)) : Byte(kMacroChunkBytes);
    report[3] = Byte(static_cast<int>(offset));
    report[4] = Byte(static_cast<int>(offset >> 8));
    report[5] = Byte(slot);
    DeviceProtocol::CopyBounded(body.first(std::min(body.size(), carried)), offset,
                                kMacroChunkBytes, report.data() + 6);
    protocol_.Pause(kMacroPacketPause);
    if (!protocol_.WriteReport(report)) return false;
  }
  return true;
}

bool KeyboardCommands::SendShortcutMacro(int slot, std::span<const uint8_t> events) {
  if (FamilyOf(device_type_) != CommandFamily::A) return false;
  const size_t count = std::min(events.size() / 3, kShortcutEventsMax);
  OutputReport report{kOut,       kMacroUpload, Byte(static_cast<int>(3 * count)), 0x00, 0x00,
                      Byte(slot), 0x01,         Byte(static_cast<int>(count))};
  std::copy_n(events.begin(), 3 * count, report.begin() + 8);
  protocol_.Pause(kMacroLeadPause);
  return protocol_.WriteReport(report);
}

bool KeyboardCommands::WriteKeyMap(std::span<const uint8_t> block) {
  // Family B keeps slots instead of a key map and never gets one.
  if (FamilyOf(device_type_) != CommandFamily::A) return false;
  return protocol_.WriteChunked(
      {kKeyMapWrite, kKeyMapBytes, kKeyMapPause, OutputChannel::Chosen, false}, block);
}

bool KeyboardCommands::WriteLightSetting(const LightSetting& setting) {
  switch (FamilyOf(device_type_)) {
    case CommandFamily::A:
      return WriteFamilyALight(setting);
    case CommandFamily::B:
      return WriteFamilyBLight(setting);
    case CommandFamily::None:
      break;
  }
  return false;
}

bool KeyboardCommands::WriteFamilyALight(const LightSetting& setting) {
  OutputReport report{kOut};
  if (!light_mode_sent_) {
    report[1] = kLightModeWrite;
    report[3] = Byte(setting.mode);
  } else {
    report[1] = kLightParameterWrite;
    report[3] = Byte((setting.direction & 3) * 16 + (setting.colorful != 0 ? 0x40 : 0) +
                     (setting.speed & 0x0F));
    report[4] = Byte(static_cast<int>(setting.color_value));
    report[5] = Byte(static_cast<int>(setting.color_value >> 8));
    report[6] = Byte(static_cast<int>(setting.color_value >> 16));
    report[7] = Byte(setting.brightness);
  }
  // A mode report that was not taken is sent again by the next write, or the keyboard would get
  // parameters for a mode it never switched to.
  const bool written = protocol_.WriteReport(report);
  if (written) light_mode_sent_ = true;
  return written;
}

bool KeyboardCommands::WriteFamilyBLight(const LightSetting& setting) {
  const uint8_t mode = Byte(setting.mode - 1);
  const uint8_t brightness = LessOneUnlessZero(Byte(setting.brightness));
  const uint8_t speed = LessOneUnlessZero(Byte(setting.colorindex * 16 + setting.speed));
  const uint8_t direction = Byte(setting.direction);
  if (UsesFramedPackets(device_type_, connection_mode_)) {
    return protocol_.WriteFramed(Framed(
        {kFramedLight, mode, brightness, speed, 0x00, Byte(setting.option_index), direction}));
  }
  const uint8_t option =
      (setting.config_func & kPerKeyModeBit) != 0 ? Byte(setting.option_index) : 0;
  return protocol_.SendFeatureAfterPause(
      {kReport, 0xFF, 0xFF, mode, brightness, speed, option, direction});
}

bool KeyboardCommands::WriteCustomLightMode(const LightSetting& setting) {
  if (!HasCustomLightMode(device_type_)) return false;
  const uint8_t option =
      (setting.config_func & kPerKeyModeBit) != 0 ? Byte(setting.option_index) : 0;
  return protocol_.SendFeatureAfterPause({kReport, 0xFF, 0xFF, Byte(setting.mode - 1),
                                          Byte(setting.brightness), Byte(setting.speed), 0x00,
                                          option});
}

bool KeyboardCommands::WritePerKeyColours(std::span<const uint8_t> table) {
  return protocol_.WriteChunked(
      {kKeyColourWrite, kKeyColourBytes, kColourPause, OutputChannel::Chosen, true}, table);
}

bool KeyboardCommands::SendLiveFrame(std::span<const uint8_t> table) {
  if (!live_started_) {
    // The stream is announced once per run; if the keyboard did not take it, try again next time.
    if (!protocol_.WriteReport({kOut, 0xF0, 0xF4, 0x01})) return false;
    live_started_ = true;
  }
  return protocol_.WriteChunked(
      {kLiveColourStream, kLiveColourBytes, kColourPause, OutputChannel::Side, true}, table);
}

bool KeyboardCommands::SendMusicLevel(uint8_t style, int level) {
  const uint8_t held = Byte(std::clamp(level, 0, 255));
  return protocol_.SendFeature({kReport, 0x23, 0x45, 0x67, 0x89, style, held, 0x00});
}

bool KeyboardCommands::FactoryReset() {
  switch (FamilyOf(device_type_)) {
    case CommandFamily::A: {
      const bool written = protocol_.WriteReport({kOut, 0xFF, 0xFE, 0xAA, 0xFF});
      protocol_.Pause(kResetSettlePause);
      return written;
    }
    case CommandFamily::B: {
      if (UsesFramedPackets(device_type_, connection_mode_)) {
        const bool armed = protocol_.WriteFramed(Framed({0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}));
        protocol_.Pause(kFramedResetGap);
        const bool confirmed = protocol_.WriteFramed(Framed({0, 0, 0, 0, 0, 0}));
        return armed && confirmed;
      }
      const bool sent = protocol_.SendFeatureAfterPause({kReport, 0xF0, 0xAA});
      protocol_.Pause(kResetSettlePause);
      return sent;
    }
    case CommandFamily::None:
      break;
  }
  return false;
}
