// How the transfers behave when the keyboard fails, answers wrongly, loses its side channel or is
// pulled out, and when another thread closes the link.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/device/CommandFamily.h"
#include "app/device/PositionBlock.h"
#include "tests/app/device/ProtocolFixture.h"

namespace {

using Kind = sim::SimReport::Kind;

class ProtocolFaultsTest : public ProtocolFixture {
 protected:
  // The pauses the transfers asked for, in milliseconds.
  std::vector<double> PausesMs() {
    std::vector<double> pauses;
    for (const auto& pause : clock_->Sleeps())
      pauses.push_back(Ms(pause));
    return pauses;
  }

  int TakenWrites(int interface_number) {
    int count = 0;
    for (const auto& report : Firmware().Reports())
      count +=
          report.kind == Kind::Write && report.interface_number == interface_number && report.taken;
    return count;
  }
};

TEST_F(ProtocolFaultsTest, FirmwareVersionIsAskedAgainAfterAWrongReportId) {
  Connect(kFamilyB, {0});
  Firmware().SetFirmwareVersion(0x0105);
  Firmware().AnswerWithReportId(0x05);
  clock_->ClearSleeps();
  int version = 0;
  ASSERT_TRUE(commands_.ReadFirmwareVersion(version));
  EXPECT_EQ(version, 0x0105);
  EXPECT_EQ(PausesMs(), (std::vector<double>{16, 16, 16}));
  // The second request goes out with report id 0x07 again, not with the wrong answer's byte.
  const auto reports = Firmware().Reports();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[2].bytes[0], 0x07);
}

TEST_F(ProtocolFaultsTest, FailedFirmwareReadIsAFailureNeverVersionFD00) {
  struct Case {
    const char* name;
    std::function<void(sim::SimulatedFirmware&)> fault;
  };
  const Case cases[] = {
      {"request refused", [](auto& f) { f.FailFeatures(1); }},
      {"both answers fail", [](auto& f) { f.FailFeatures(2, 2); }},
      {"both answers carry a wrong report id", [](auto& f) { f.AnswerWithReportId(0x05, 2); }},
  };
  Connect(kFamilyB, {0});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.fault(Firmware());
    int version = -1;
    EXPECT_FALSE(commands_.ReadFirmwareVersion(version));
    EXPECT_EQ(version, -1);
    Firmware().FailFeatures(0, 0);
  }
}

TEST_F(ProtocolFaultsTest, RefusedWriteIsRetriedOnceAfterItsPause) {
  struct Case {
    const char* name;
    std::function<bool(KeyboardCommands&)> send;
    int failures;
    bool result;
    std::vector<double> pauses;
  };
  const Case cases[] = {
      {"output report retried after 10 ms",
       [](auto& c) { return c.FactoryReset(); },
       1,
       true,
       {10}},
      {"output report failing twice", [](auto& c) { return c.FactoryReset(); }, 2, false, {10}},
      {"framed packet retried after 32 ms",
       [](auto& c) { return c.WriteLightSetting(LightSetting{}); },
       1,
       true,
       {32}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    link_.ClearSupportedModes();
    keyboard_.UnplugMode(0);
    keyboard_.UnplugMode(1);
    Connect(std::string(c.name).starts_with("framed") ? kFamilyB : kFamilyA,
            {std::string(c.name).starts_with("framed") ? 1 : 0});
    Firmware().FailWrites(1, c.failures);
    clock_->ClearSleeps();
    EXPECT_EQ(c.send(commands_), c.result);
    auto pauses = PausesMs();
    // The family A reset settles for 100 ms after its report.
    if (!pauses.empty() && pauses.back() == 100) pauses.pop_back();
    EXPECT_EQ(pauses, c.pauses);
    EXPECT_EQ(Firmware().Reports().size(), 2u);
  }
}

TEST_F(ProtocolFaultsTest, ChunkedTransfersStopAtTheFirstPacketThatFailsTwice) {
  Connect(kFamilyA, {0});
  Firmware().FailWrites(3, 2);  // the third packet and its retry
  EXPECT_FALSE(commands_.WritePerKeyColours(PositionBlock::KeyColours().Bytes()));
  EXPECT_EQ(Firmware().Reports().size(), 4u);
  EXPECT_EQ(TakenWrites(1), 2);

  // A macro upload stops too.
  Firmware().ClearReports();
  Firmware().FailWrites(1, 2);
  std::vector<uint8_t> body = {1, 30};
  body.resize(92);
  EXPECT_FALSE(commands_.UploadMacro(0, body));
  EXPECT_EQ(Firmware().Reports().size(), 2u);

  // The key map sends all four packets whatever happens to one.
  Firmware().ClearReports();
  Firmware().FailWrites(1, 2);
  EXPECT_FALSE(commands_.WriteKeyMap(PositionBlock::KeyMap().Bytes()));
  EXPECT_EQ(TakenWrites(1), 3);
}

TEST_F(ProtocolFaultsTest, MacroSlotPiecesAreNotRetriedButAllSent) {
  Connect(kFamilyB, {0});
  Firmware().FailFeatures(5);
  std::vector<uint8_t> block(168);
  block[0] = 1;
  block[1] = 4;
  block[2] = 0x1E;
  EXPECT_FALSE(commands_.WriteMacroSlot(block));
  EXPECT_EQ(Firmware().Reports().size(), 28u);
  EXPECT_FALSE(Firmware().Reports()[4].taken);
}

TEST_F(ProtocolFaultsTest, LiveStreamStopsAtItsFirstPacketWithoutTheSideChannel) {
  Connect(kFamilyA, {0});
  keyboard_.RemoveSideChannel(0);
  DiscoverKeyboard(link_, kFamilyA);
  Firmware().ClearReports();
  EXPECT_FALSE(commands_.SendLiveFrame(PositionBlock::LiveColours().Bytes()));
  EXPECT_EQ(TakenWrites(sim::SimulatedFirmware::kSideInterface), 0);
  EXPECT_EQ(Firmware().LiveFrames(), 0);
}

TEST_F(ProtocolFaultsTest, FailedSideWriteIsReportedAndStopsTheFrame) {
  Connect(kFamilyA, {0});
  ASSERT_TRUE(commands_.SendLiveFrame(PositionBlock::LiveColours().Bytes()));
  Firmware().ClearReports();
  Firmware().FailWrites(2, 2);
  EXPECT_FALSE(commands_.SendLiveFrame(PositionBlock::LiveColours().Bytes()));
  // The start report went with the first frame only; the second frame stopped at its 2nd packet.
  EXPECT_EQ(Firmware().Reports().size(), 3u);
  EXPECT_EQ(Firmware().LiveFrames(), 1);
}

TEST_F(ProtocolFaultsTest, StartReportIsSentAgainWhenTheKeyboardDidNotTakeIt) {
  Connect(kFamilyA, {0});
  Firmware().FailWrites(1, 2);
  EXPECT_FALSE(commands_.SendLiveFrame(PositionBlock::LiveColours().Bytes()));
  EXPECT_FALSE(commands_.LiveColoursStarted());
  EXPECT_TRUE(commands_.SendLiveFrame(PositionBlock::LiveColours().Bytes()));
  EXPECT_TRUE(Firmware().LiveStarted());
  EXPECT_EQ(Firmware().LiveFrames(), 1);
}

TEST_F(ProtocolFaultsTest, LightModeReportIsSentAgainWhenTheKeyboardDidNotTakeIt) {
  Connect(kFamilyA, {0});
  commands_.ForgetLightMode();
  Firmware().FailWrites(1, 2);
  EXPECT_FALSE(commands_.WriteLightSetting(LightSetting{4}));
  EXPECT_TRUE(commands_.WriteLightSetting(LightSetting{4}));
  EXPECT_EQ(Firmware().GetParameterLight().mode, 4);
}

TEST_F(ProtocolFaultsTest, UnplugDuringAChunkedTransferFailsItCleanly) {
  Connect(kFamilyA, {0});
  keyboard_.UnplugAfterTransfers(3);
  EXPECT_FALSE(commands_.WriteKeyMap(PositionBlock::KeyMap().Bytes()));
  EXPECT_EQ(TakenWrites(1), 3);
  EXPECT_FALSE(commands_.FactoryReset());
}

TEST_F(ProtocolFaultsTest, LastKeyMapPacketCarriesOnlyTheBlocksBytes) {
  Connect(kFamilyA, {0});
  // Exactly 220 bytes: the last packet says 40 and must not read past them.
  const std::vector<uint8_t> block(220, 0xEE);
  ASSERT_TRUE(commands_.WriteKeyMap(block));
  const auto last = Firmware().Reports().back().bytes;
  EXPECT_EQ(last[2], 40);
  EXPECT_EQ(last[5 + 39], 0xEE);
  EXPECT_EQ(last[5 + 40], 0x00);
  EXPECT_EQ(last[64], 0x00);
}

TEST_F(ProtocolFaultsTest, LongMacroTailIsNeverDropped) {
  Connect(kFamilyA, {0});
  // 238 events: N = 717 would give 12 packets of 59 bytes, 708 bytes for a 716-byte body.
  std::vector<uint8_t> body = {1, 238};
  for (int i = 0; i < 3 * 238; ++i)
    body.push_back(static_cast<uint8_t>(i * 7));
  ASSERT_TRUE(commands_.UploadMacro(2, body));
  EXPECT_EQ(Firmware().UploadedMacro(2), body);
  EXPECT_EQ(Firmware().Reports().size(), 13u);
}

TEST_F(ProtocolFaultsTest, NothingIsSentWhileTheLinkIsClosed) {
  Connect(kFamilyB, {0});
  link_.Close();
  int version = 0;
  SlotTable table;
  EXPECT_FALSE(commands_.ReadFirmwareVersion(version));
  EXPECT_FALSE(commands_.ReadSlotTable(table));
  EXPECT_FALSE(commands_.WriteRemapSlot(1, 4, 5));
  EXPECT_FALSE(commands_.WriteLightSetting(LightSetting{}));
  EXPECT_FALSE(commands_.SendMusicLevel(1, 10));
  EXPECT_FALSE(commands_.WritePerKeyColours(PositionBlock::KeyColours().Bytes()));
  EXPECT_TRUE(Firmware().Reports().empty());
}

TEST_F(ProtocolFaultsTest, SlotTableShowsWhatTheSlotWritesLeft) {
  Connect(kFamilyB, {0});
  std::vector<uint8_t> block(168);
  block[0] = 1;
  block[1] = 13;
  block[2] = 0x1E;
  block[4] = 0x04;
  ASSERT_TRUE(commands_.WriteMacroSlot(block));
  ASSERT_TRUE(commands_.WriteRemapSlot(10, 0x29, 1));
  ASSERT_TRUE(commands_.WriteRemapSlot(11, 0x2A, 1));  // no such slot: the keyboard ignores it
  SlotTable table;
  ASSERT_TRUE(commands_.ReadSlotTable(table));
  EXPECT_EQ(table.macro_keys[12], 0x1E);
  EXPECT_EQ(table.remap_keys[9], 0x29);
  EXPECT_EQ(std::count(table.remap_keys.begin(), table.remap_keys.end(), 0), 9);

  // Clearing the macro slot (all-zero tail) frees it; a factory reset frees everything.
  block[2] = 0;
  block[4] = 0;
  ASSERT_TRUE(commands_.WriteMacroSlot(block));
  ASSERT_TRUE(commands_.ReadSlotTable(table));
  EXPECT_EQ(table.macro_keys[12], 0);
  ASSERT_TRUE(commands_.FactoryReset());
  ASSERT_TRUE(commands_.ReadSlotTable(table));
  EXPECT_EQ(table.remap_keys[9], 0);

  // A read whose answers do not arrive is a failure.
  Firmware().FailFeatures(3);
  EXPECT_FALSE(commands_.ReadSlotTable(table));
}

TEST_F(ProtocolFaultsTest, TransfersSurviveTheLinkBeingReopenedOnAnotherThread) {
  Connect(kFamilyA, {0});
  std::atomic<int> frames{0};
  std::thread streamer([&] {
    const auto frame = PositionBlock::LiveColours();
    SlotTable table;
    for (; frames < 200; ++frames) {
      commands_.SendLiveFrame(frame.Bytes());
      commands_.ReadSlotTable(table);
    }
  });
  for (int i = 0; frames < 200; ++i) {
    DiscoverKeyboard(link_, kFamilyA);
    if (i % 10 == 0) link_.Close();
  }
  streamer.join();
  DiscoverKeyboard(link_, kFamilyA);
  EXPECT_TRUE(commands_.SendLiveFrame(PositionBlock::LiveColours().Bytes()));
}

TEST(CommandFamilyTest, DeviceTypeBoundaries) {
  struct Case {
    int device_type;
    CommandFamily family;
    bool reads_slot_table;
    bool custom_light_mode;
  };
  const Case cases[] = {
      {101, CommandFamily::A, false, true},     {199, CommandFamily::A, false, true},
      {200, CommandFamily::A, true, false},     {201, CommandFamily::B, true, false},
      {299, CommandFamily::B, true, false},     {300, CommandFamily::None, true, false},
      {301, CommandFamily::None, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.device_type);
    EXPECT_EQ(FamilyOf(c.device_type), c.family);
    EXPECT_EQ(ReadsSlotTable(c.device_type), c.reads_slot_table);
    EXPECT_EQ(HasCustomLightMode(c.device_type), c.custom_light_mode);
  }
  EXPECT_TRUE(StreamsLiveColours(101, 0));
  EXPECT_FALSE(StreamsLiveColours(101, 1));
  EXPECT_FALSE(StreamsLiveColours(201, 0));
  EXPECT_TRUE(UsesFramedPackets(201, 2));
  EXPECT_FALSE(UsesFramedPackets(201, 0));
  EXPECT_FALSE(UsesFramedPackets(101, 1));
}

TEST(PositionBlockTest, PositionsOutsideTheTableAreNeverWritten) {
  auto map = PositionBlock::KeyMap();
  const std::vector<uint8_t> entry = {0x04, 0x20};
  EXPECT_TRUE(map.Set(109, entry));
  EXPECT_FALSE(map.Set(110, entry));
  EXPECT_FALSE(map.Set(-1, entry));
  EXPECT_FALSE(map.Set(0, std::vector<uint8_t>{0x04}));
  ASSERT_EQ(map.Bytes().size(), 220u);
  EXPECT_EQ(map.Bytes()[218], 0x04);
  EXPECT_EQ(std::count(map.Bytes().begin(), map.Bytes().end(), 0), 218);
}

}  // namespace
