// Runs keyvanectl as a user would and checks what it prints and how it exits.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

bool Contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

TEST(KeyvanectlTest, SimulatedKeyboardIsFoundByCable) {
  const auto result = RunProgram("keyvanectl", {"--simulate", "devices", "--json"});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_TRUE(
      Contains(result.output, R"("chosen": "\\\\?\\HID#VID_1209&PID_0005&MI_01#SIM&0&0001")"))
      << result.output;
  EXPECT_TRUE(Contains(result.output, R"("connection_mode": 0)")) << result.output;
  EXPECT_TRUE(Contains(result.output, R"("role": "not the vendor interface; closed")"));
}

TEST(KeyvanectlTest, WithOnlyTheReceiversTheFirstIsChosenAndTheSecondRecorded) {
  const auto result = RunProgram("keyvanectl", {"devices", "--json", "--simulate=1,2"});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_TRUE(
      Contains(result.output, R"("chosen": "\\\\?\\HID#VID_1209&PID_0006&MI_01#SIM&1&0001")"))
      << result.output;
  EXPECT_TRUE(Contains(result.output, R"("connection_mode": 2)")) << result.output;
}

TEST(KeyvanectlTest, TraceShowsTheFirmwareExchangeWithItsPauses) {
  const auto result = RunProgram("keyvanectl", {"--simulate", "--trace", "firmware"});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < result.output.size(); start = end + 1) {
    end = result.output.find('\n', start);
    if (end == std::string::npos) end = result.output.size();
    lines.push_back(result.output.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 3u) << result.output;
  EXPECT_TRUE(Contains(lines[0], "-> feature  07 FD 00 00 00 00 00 00")) << lines[0];
  EXPECT_TRUE(Contains(lines[1], "<- feature  07 01 05 00 00 00 00 00")) << lines[1];
  EXPECT_EQ(lines[2], "Firmware version 105 (0x0105)");
  // Both transfers waited their 16 ms pause first.
  for (int i = 0; i < 2; ++i)
    EXPECT_GE(std::stod(lines[i].substr(1)), 16.0) << lines[i];
}

TEST(KeyvanectlTest, FirmwareWithoutTraceOrKeyboard) {
  // Through a receiver, without --trace: only the answer is printed.
  const auto quiet = RunProgram("keyvanectl", {"--simulate=1", "firmware", "--json"});
  ASSERT_EQ(quiet.exit_code, 0) << quiet.output;
  EXPECT_TRUE(Contains(quiet.output, R"("version": 261)")) << quiet.output;
  EXPECT_TRUE(Contains(quiet.output, R"("text": "105")")) << quiet.output;
  EXPECT_FALSE(Contains(quiet.output, "feature")) << quiet.output;
  // No keyboard at all: a one-line failure, never a made-up version.
  const auto none = RunProgram("keyvanectl", {"firmware"});
  EXPECT_EQ(none.exit_code, 1) << none.output;
  EXPECT_TRUE(Contains(none.output, "no keyboard connected")) << none.output;
}

TEST(KeyvanectlTest, ConfigReportsTheShippedFile) {
  const auto result = RunProgram("keyvanectl", {"config", "--json"});
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_TRUE(Contains(result.output, R"("device_type": 201)")) << result.output;
  EXPECT_TRUE(Contains(result.output, R"("vid": 4617)")) << result.output;
  EXPECT_TRUE(Contains(result.output, R"("software": {)")) << result.output;
}

TEST(KeyvanectlTest, BadInputGivesOneLineAndANonZeroExit) {
  ScratchFolder folder;
  WriteTestFile(folder / "broken" / "config.xml", "<config><device.info>");
  WriteTestFile(folder / "utf16" / "config.xml",
                std::string("\xFF\xFE<\0c\0o\0n\0f\0i\0g\0/\0>\0", 20));
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
    const char* message;
  };
  const Case cases[] = {
      {{"--dir", (folder / "missing").string(), "config"}, 1, "cannot read folder"},
      {{"--dir", folder.Path().string(), "config"}, 1, "config.xml: file not found"},
      {{"--dir", (folder / "broken").string(), "config"}, 1, "not well-formed XML"},
      {{"--dir", (folder / "broken").string(), "devices"}, 1, "not well-formed XML"},
      {{"frobnicate"}, 2, "unknown command"},
      {{"--simulate=3", "devices"}, 2, "--simulate takes"},
      {{"devices", "--bogus"}, 1, "unknown argument"},
      {{"--dir"}, 1, "--dir needs a folder"},
  };
  for (const auto& c : cases) {
    const auto result = RunProgram("keyvanectl", c.arguments);
    EXPECT_EQ(result.exit_code, c.exit_code) << result.output;
    EXPECT_TRUE(Contains(result.output, c.message)) << result.output;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
  }
  // A configuration in UTF-16 is read as well as one in UTF-8.
  const auto utf16 = RunProgram("keyvanectl", {"--dir", (folder / "utf16").string(), "config"});
  EXPECT_EQ(utf16.exit_code, 0) << utf16.output;
}

}  // namespace
