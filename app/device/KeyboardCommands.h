#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

#include "app/device/CommandFamily.h"
#include "app/device/DeviceProtocol.h"

// The keyboard's slot table (family B): which key holds each macro and remapping slot (0 = free).
struct SlotTable {
  std::array<uint8_t, 13> macro_keys{};
  std::array<uint8_t, 10> remap_keys{};
};

// One light setting as the lighting page keeps it.
struct LightSetting {
  int mode = 1;  // the keyboard's own number for the effect
  int brightness = 0;
  int speed = 0;
  int direction = 0;
  int colorful = 0;
  uint32_t color_value = 0;  // 0x00BBGGRR
  int colorindex = 0;
  int option_index = 0;  // selection in the light-mode option list (the per-key slot box)
  int config_func = 0;   // the mode's feature bits
};

// Every command the keyboard takes, built into its packets and sent with the pauses it needs. The
// device type and connection mode given by SetKeyboard choose the family of the key, light and
// reset writes. Each returns true when everything it sent was taken.
class KeyboardCommands {
 public:
  static constexpr size_t kMacroSlots = 13;
  static constexpr size_t kRemapSlots = 10;
  static constexpr size_t kMacroSlotBlockBytes = 168;
  static constexpr size_t kKeyMapBytes = 220;
  static constexpr size_t kKeyColourBytes = 440;   // positions 0 to 109, 4 bytes each
  static constexpr size_t kLiveColourBytes = 330;  // positions 0 to 109, 3 bytes each
  static constexpr size_t kMacroChunkBytes = 59;
  static constexpr size_t kShortcutEventsMax = 19;  // what one 65-byte packet holds

  // The process-wide commands, on DeviceLink::Instance().
  static KeyboardCommands& Instance();

  explicit KeyboardCommands(DeviceLink& link) : protocol_(link) {}

  DeviceProtocol& Protocol() { return protocol_; }

  void SetKeyboard(int device_type, int connection_mode);
  int DeviceType() const { return device_type_; }
  int ConnectionMode() const { return connection_mode_; }

  // Family B key slots (false without sending for other families).
  bool ReadSlotTable(SlotTable& table);
  // Fills remapping slot 1 to 10 with `key` typing `value`; key 0 clears it.
  bool WriteRemapSlot(int slot, uint8_t key, uint8_t value);
  // Writes one macro slot from its 168-byte block (01, slot, key code, flag, event pairs); an
  // all-zero tail clears the slot. Every packet is sent even after one fails.
  bool WriteMacroSlot(std::span<const uint8_t> block);

  // Family A key map and macros (false without sending for other families).
  // Uploads one recorded macro body [repeat count, event count n, n events of 3 bytes] into
  // `slot`; stops at the first packet that is not taken.
  bool UploadMacro(int slot, std::span<const uint8_t> body);
  // One packet holding a predefined shortcut's events (3 bytes each, at most 19) for `slot`.
  bool SendShortcutMacro(int slot, std::span<const uint8_t> events);
  // The 220-byte key map (2 bytes per key position) in four packets; all four are always sent.
  bool WriteKeyMap(std::span<const uint8_t> block);

  // Lights.
  // The light setting in the keyboard's family: family A sends the mode report first after a mode
  // change and the parameter report otherwise; family B a feature report by cable and a framed
  // packet over a wireless link.
  bool WriteLightSetting(const LightSetting& setting);
  // The user chose another light mode: the next family A light write sends the mode report.
  void ForgetLightMode() { light_mode_sent_ = false; }
  bool LightModeSent() const { return light_mode_sent_; }
  // The custom light mode of device types below 200, for one of its three stored slots.
  bool WriteCustomLightMode(const LightSetting& setting);
  // Per-key colours: 4 bytes per light position (the colour's three bytes, then 0xFF); the first
  // 440 bytes are sent.
  bool WritePerKeyColours(std::span<const uint8_t> table);
  // One live colour frame, 3 bytes per light position, on the side channel; the first frame of the
  // process is preceded by the start report. Stops at the first packet that is not taken.
  bool SendLiveFrame(std::span<const uint8_t> table);
  bool LiveColoursStarted() const { return live_started_; }
  // The music level of the keyboard's own visualizer, sent at once; `level` is held to 0..255.
  bool SendMusicLevel(uint8_t style, int level);

  bool FactoryReset();
  bool ReadFirmwareVersion(int& version) { return protocol_.ReadFirmwareVersion(version); }

 private:
  bool WriteFamilyALight(const LightSetting& setting);
  bool WriteFamilyBLight(const LightSetting& setting);

  DeviceProtocol protocol_;
  int device_type_ = 0;
  int connection_mode_ = 0;
  // Set at start and after each family A light write; cleared by a light mode change.
  bool light_mode_sent_ = true;
  // Set once the start report of the live colour stream was taken; never cleared.
  std::atomic<bool> live_started_{false};
};
