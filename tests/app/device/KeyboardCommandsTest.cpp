// Every command against the simulated keyboard: the bytes it puts on the wire, the pauses before
// them, and what the keyboard keeps afterwards.
#include "app/device/KeyboardCommands.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>

#include "app/device/PositionBlock.h"
#include "tests/app/device/ProtocolFixture.h"

namespace {

using Kind = sim::SimReport::Kind;
using sim::SimulatedFirmware;
constexpr int kCommand = SimulatedFirmware::kCommandInterface;
constexpr int kSide = SimulatedFirmware::kSideInterface;

// One report the keyboard must see: its position in the exchange, how it came, the bytes it starts
// with, and the pause before it (since the previous report, or since the start for the first).
struct Expected {
  size_t index;
  Kind kind;
  int interface_number;
  std::vector<uint8_t> starts_with;
  double pause_ms;
};

struct CommandCase {
  const char* name;
  int device_type;
  int connection_mode;
  std::function<bool(KeyboardCommands&)> send;
  bool result;
  size_t report_count;
  std::vector<Expected> reports;
  double total_ms;  // virtual time the whole command takes, trailing pauses included
  std::function<void(SimulatedFirmware&)> check;
};

std::vector<uint8_t> Pattern(size_t size, uint8_t first) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<uint8_t>(first + i);
  return bytes;
}

// A recorded macro body of `events` events: repeat count, event count, 3 bytes per event.
std::vector<uint8_t> MacroBody(int events) {
  std::vector<uint8_t> body = {1, static_cast<uint8_t>(events)};
  const auto pattern = Pattern(3 * events, 0x10);
  body.insert(body.end(), pattern.begin(), pattern.end());
  return body;
}

std::vector<uint8_t> MacroSlotBlock(uint8_t slot, uint8_t key) {
  std::vector<uint8_t> block(168);
  block[0] = 1;
  block[1] = slot;
  block[2] = key;
  block[3] = 2;
  for (size_t i = 4; i < block.size(); ++i)
    block[i] = static_cast<uint8_t>(i);
  return block;
}

LightSetting Light(int mode, int brightness, int speed, int direction, int colorful,
                   uint32_t colour, int colorindex, int option, int config_func) {
  return {mode, brightness, speed, direction, colorful, colour, colorindex, option, config_func};
}

std::vector<CommandCase> Catalogue() {
  const auto body30 = MacroBody(30);
  return {
      // Family B by cable: feature reports.
      {"slot table read",
       kFamilyB,
       0,
       [](KeyboardCommands& c) {
         SlotTable table;
         return c.ReadSlotTable(table);
       },
       true,
       5,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xFB, 0x01, 0, 0, 0, 0, 0}, 0},
        {1, Kind::GetFeature, kCommand, {0x07}, 16},
        {4, Kind::GetFeature, kCommand, {0x07}, 16}},
       64,
       nullptr},
      {"remap slot write",
       kFamilyB,
       0,
       [](KeyboardCommands& c) { return c.WriteRemapSlot(3, 0x04, 0x05); },
       true,
       1,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xFA, 0x01, 0x03, 0x04, 0x01, 0x05, 0x01}, 16}},
       16,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.GetRemapSlot(3).key, 0x04);
         EXPECT_EQ(f.GetRemapSlot(3).value, 0x05);
       }},
      {"macro slot write",
       kFamilyB,
       0,
       [](KeyboardCommands& c) { return c.WriteMacroSlot(MacroSlotBlock(2, 0x1E)); },
       true,
       28,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xF1, 0x01, 0x02, 0x1E, 0x02, 0x04, 0x05}, 16},
        {1, Kind::SetFeature, kCommand, {0x07, 0x00, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B}, 16},
        {27, Kind::SetFeature, kCommand, {0x07, 0x00, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7}, 16}},
       28 * 16,
       [](SimulatedFirmware& f) {
         const auto slot = f.GetMacroSlot(2);
         EXPECT_EQ(slot.key, 0x1E);
         EXPECT_EQ(slot.loops, 2);
         ASSERT_EQ(slot.events.size(), 164u);
         EXPECT_EQ(slot.events.back(), 167);
       }},
      {"light by cable",
       kFamilyB,
       0,
       [](KeyboardCommands& c) {
         return c.WriteLightSetting(Light(3, 5, 2, 1, 0, 0, 1, 2, 0x100));
       },
       true,
       1,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xFF, 0xFF, 0x02, 0x04, 0x11, 0x02, 0x01}, 16}},
       16,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.FeatureLight(), (std::array<uint8_t, 5>{0x02, 0x04, 0x11, 0x02, 0x01}));
       }},
      {"light brightness 0 and 1 both go as 0, option only for the per-key mode",
       kFamilyB,
       0,
       [](KeyboardCommands& c) {
         return c.WriteLightSetting(Light(1, 0, 0, 2, 0, 0, 0, 2, 0x001)) &&
                c.WriteLightSetting(Light(1, 1, 1, 2, 0, 0, 0, 2, 0x001));
       },
       true,
       2,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x02}, 16},
        {1, Kind::SetFeature, kCommand, {0x07, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x02}, 16}},
       32,
       nullptr},
      {"factory reset by cable",
       kFamilyB,
       0,
       [](KeyboardCommands& c) { return c.FactoryReset(); },
       true,
       1,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xF0, 0xAA, 0, 0, 0, 0, 0}, 16}},
       116,
       [](SimulatedFirmware& f) { EXPECT_EQ(f.FactoryResets(), 1); }},
      {"music level, held to 255",
       kFamilyB,
       0,
       [](KeyboardCommands& c) { return c.SendMusicLevel(2, 200) && c.SendMusicLevel(1, 300); },
       true,
       2,
       {{0, Kind::SetFeature, kCommand, {0x07, 0x23, 0x45, 0x67, 0x89, 0x02, 0xC8, 0x00}, 0},
        {1, Kind::SetFeature, kCommand, {0x07, 0x23, 0x45, 0x67, 0x89, 0x01, 0xFF, 0x00}, 0}},
       0,
       [](SimulatedFirmware& f) { EXPECT_EQ(f.MusicLevel(), 0xFF); }},
      {"firmware version",
       kFamilyB,
       0,
       [](KeyboardCommands& c) {
         int version = 0;
         return c.ReadFirmwareVersion(version) && version == 0x0105;
       },
       true,
       2,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xFD, 0, 0, 0, 0, 0, 0}, 16},
        {1, Kind::GetFeature, kCommand, {0x07, 0x01, 0x05}, 16}},
       32,
       nullptr},
      {"per-key colours",
       kFamilyB,
       0,
       [](KeyboardCommands& c) {
         auto table = PositionBlock::KeyColours();
         table.Set(0, std::vector<uint8_t>{0x01, 0x02, 0x03, 0xFF});
         table.Set(109, std::vector<uint8_t>{0x11, 0x22, 0x33, 0xFF});
         table.Set(110, std::vector<uint8_t>{0x44, 0x55, 0x66, 0xFF});
         return c.WritePerKeyColours(table.Bytes());
       },
       true,
       8,
       {{0, Kind::Write, kCommand, {0x00, 0x8B, 60, 0x00, 0x00, 0x01, 0x02, 0x03, 0xFF}, 1},
        {1, Kind::Write, kCommand, {0x00, 0x8B, 60, 60, 0x00}, 1},
        {7, Kind::Write, kCommand, {0x00, 0x8B, 20, 0xA4, 0x01}, 1}},
       8,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.KeyColour(0), 0x030201);
         EXPECT_EQ(f.KeyColour(109), 0x332211);
         EXPECT_EQ(f.KeyColour(1), -1);  // never set: no 0xFF marker
       }},
      {"key map is never sent to family B",
       kFamilyB,
       0,
       [](KeyboardCommands& c) { return c.WriteKeyMap(Pattern(220, 0)); },
       false,
       0,
       {},
       0,
       nullptr},
      {"macro upload is never sent to family B",
       kFamilyB,
       0,
       [](KeyboardCommands& c) { return c.UploadMacro(0, MacroBody(2)); },
       false,
       0,
       {},
       0,
       nullptr},

      // Family B over a receiver: framed packets instead of feature reports.
      {"light over a receiver is framed",
       kFamilyB,
       1,
       [](KeyboardCommands& c) { return c.WriteLightSetting(Light(3, 5, 2, 1, 0, 0, 1, 2, 0)); },
       true,
       1,
       {{0,
         Kind::Write,
         kCommand,
         {0x00, 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0x02, 0x04, 0x11, 0x00, 0x02, 0x01, 0x00},
         0}},
       0,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.FramedLight(), (std::array<uint8_t, 6>{0x02, 0x04, 0x11, 0x00, 0x02, 0x01}));
         EXPECT_EQ(f.FeatureLight(), (std::array<uint8_t, 5>{}));
       }},
      {"factory reset over a receiver",
       kFamilyB,
       2,
       [](KeyboardCommands& c) { return c.FactoryReset(); },
       true,
       2,
       {{0,
         Kind::Write,
         kCommand,
         {0x00, 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0x00},
         0},
        {1, Kind::Write, kCommand, {0x00, 0xBB, 0xAA, 0x99, 0x88, 0, 0, 0, 0, 0, 0, 0}, 1600}},
       1600,
       [](SimulatedFirmware& f) { EXPECT_EQ(f.FactoryResets(), 1); }},

      // Family A: output reports.
      {"light parameters",
       kFamilyA,
       0,
       [](KeyboardCommands& c) {
         return c.WriteLightSetting(Light(5, 4, 3, 2, 1, 0x00112233, 0, 0, 0));
       },
       true,
       1,
       {{0, Kind::Write, kCommand, {0x00, 0x89, 0x00, 0x63, 0x33, 0x22, 0x11, 0x04, 0x00}, 0}},
       0,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.GetParameterLight().colour, 0x00112233u);
         EXPECT_EQ(f.GetParameterLight().flags, 0x63);
       }},
      {"light mode after a mode change, then parameters",
       kFamilyA,
       0,
       [](KeyboardCommands& c) {
         c.ForgetLightMode();
         const auto light = Light(5, 4, 3, 1, 0, 0x0000FF, 0, 0, 0);
         return c.WriteLightSetting(light) && c.WriteLightSetting(light);
       },
       true,
       2,
       {{0, Kind::Write, kCommand, {0x00, 0x88, 0x00, 0x05, 0x00}, 0},
        {1, Kind::Write, kCommand, {0x00, 0x89, 0x00, 0x13, 0xFF, 0x00, 0x00, 0x04}, 0}},
       0,
       [](SimulatedFirmware& f) { EXPECT_EQ(f.GetParameterLight().mode, 5); }},
      {"custom light mode",
       kFamilyA,
       0,
       [](KeyboardCommands& c) {
         return c.WriteCustomLightMode(Light(5, 5, 3, 0, 0, 0, 0, 1, 0x100));
       },
       true,
       1,
       {{0, Kind::SetFeature, kCommand, {0x07, 0xFF, 0xFF, 0x04, 0x05, 0x03, 0x00, 0x01}, 16}},
       16,
       nullptr},
      {"factory reset",
       kFamilyA,
       0,
       [](KeyboardCommands& c) { return c.FactoryReset(); },
       true,
       1,
       {{0, Kind::Write, kCommand, {0x00, 0xFF, 0xFE, 0xAA, 0xFF, 0x00}, 0}},
       100,
       [](SimulatedFirmware& f) { EXPECT_EQ(f.FactoryResets(), 1); }},
      {"30-event macro: two packets, lengths 59 and 33",
       kFamilyA,
       0,
       [body30](KeyboardCommands& c) { return c.UploadMacro(4, body30); },
       true,
       2,
       {{0, Kind::Write, kCommand, {0x00, 0x8E, 59, 0, 0, 4, 0x01, 30, 0x10}, 110},
        {1, Kind::Write, kCommand, {0x00, 0x8E, 33, 59, 0, 4, 0x49}, 100}},
       210,
       [body30](SimulatedFirmware& f) { EXPECT_EQ(f.UploadedMacro(4), body30); }},
      {"predefined shortcut",
       kFamilyA,
       0,
       [](KeyboardCommands& c) { return c.SendShortcutMacro(1, Pattern(12, 0xE0)); },
       true,
       1,
       {{0, Kind::Write, kCommand, {0x00, 0x8E, 12, 0, 0, 1, 0x01, 4, 0xE0, 0xE1}, 10}},
       10,
       [](SimulatedFirmware& f) { EXPECT_EQ(f.UploadedMacro(1).size(), 14u); }},
      {"key map",
       kFamilyA,
       0,
       [](KeyboardCommands& c) { return c.WriteKeyMap(Pattern(220, 0)); },
       true,
       4,
       {{0, Kind::Write, kCommand, {0x00, 0x8D, 60, 0, 0, 0, 1}, 10},
        {1, Kind::Write, kCommand, {0x00, 0x8D, 60, 60, 0, 60}, 10},
        {2, Kind::Write, kCommand, {0x00, 0x8D, 60, 120, 0, 120}, 10},
        {3, Kind::Write, kCommand, {0x00, 0x8D, 40, 180, 0, 180}, 10}},
       40,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.KeyMapEntry(109), (std::array<uint8_t, 2>{218, 219}));
       }},
      {"live frame: the start report once, then six side packets",
       kFamilyA,
       0,
       [](KeyboardCommands& c) { return c.SendLiveFrame(Pattern(600, 0)); },
       true,
       7,
       {{0, Kind::Write, kCommand, {0x00, 0xF0, 0xF4, 0x01, 0x00}, 0},
        {1, Kind::Write, kSide, {0x00, 0xF1, 60, 0, 0, 0, 1}, 1},
        {6, Kind::Write, kSide, {0x00, 0xF1, 30, 0x2C, 0x01, 0x2C}, 1}},
       6,
       [](SimulatedFirmware& f) {
         EXPECT_EQ(f.LiveFrames(), 1);
         EXPECT_EQ(f.LiveColour(109), 0x494847u);  // table bytes 327, 328 and 329
       }},
      {"slot table is not read from family A",
       kFamilyA,
       0,
       [](KeyboardCommands& c) {
         SlotTable table;
         return c.ReadSlotTable(table);
       },
       false,
       0,
       {},
       0,
       nullptr},
  };
}

void PrintTo(const CommandCase& c, std::ostream* out) {
  *out << c.name;
}

class KeyboardCommandsTest : public ProtocolFixture,
                             public testing::WithParamInterface<CommandCase> {};

TEST_P(KeyboardCommandsTest, SendsItsBytesWithItsPauses) {
  const CommandCase& c = GetParam();
  Connect(c.device_type, {c.connection_mode});
  ASSERT_EQ(commands_.ConnectionMode(), c.connection_mode);

  EXPECT_EQ(c.send(commands_), c.result);

  const auto reports = Firmware().Reports();
  ASSERT_EQ(reports.size(), c.report_count);
  for (const auto& expected : c.reports) {
    SCOPED_TRACE("report " + std::to_string(expected.index));
    ASSERT_LT(expected.index, reports.size());
    const auto& report = reports[expected.index];
    EXPECT_EQ(report.kind, expected.kind);
    EXPECT_EQ(report.interface_number, expected.interface_number);
    EXPECT_EQ(report.connection_mode, c.connection_mode);
    EXPECT_TRUE(report.taken);
    ASSERT_GE(report.bytes.size(), expected.starts_with.size());
    EXPECT_EQ(std::vector<uint8_t>(report.bytes.begin(),
                                   report.bytes.begin() + expected.starts_with.size()),
              expected.starts_with);
    const auto before = expected.index == 0 ? start_ : reports[expected.index - 1].time;
    EXPECT_DOUBLE_EQ(Ms(report.time - before), expected.pause_ms);
  }
  // Output reports travel as 65 bytes, feature reports as 8.
  for (const auto& report : reports)
    EXPECT_EQ(report.bytes.size(), report.kind == Kind::Write ? 65u : 8u);
  EXPECT_DOUBLE_EQ(ElapsedMs(), c.total_ms);
  EXPECT_EQ(Firmware().UnknownReports(), 0);
  if (c.check) c.check(Firmware());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, KeyboardCommandsTest, testing::ValuesIn(Catalogue()),
                         [](const testing::TestParamInfo<CommandCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name + "_" + std::to_string(info.index);
                         });

}  // namespace
