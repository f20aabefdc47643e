#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

size_t Count(const std::string& text, const std::string& piece) {
  size_t count = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

TEST(LayoutCommandTest, ShippedModelsListTheirKeysWithoutWarnings) {
  const auto text = RunProgram("keyvanectl", {"layout"});
  EXPECT_EQ(text.exit_code, 0) << text.output;
  EXPECT_NE(text.output.find("Keys: 105\n"), std::string::npos) << text.output;
  EXPECT_NE(text.output.find("Matrix: 6 x 21"), std::string::npos);
  EXPECT_NE(text.output.find("No warnings."), std::string::npos);

  const auto json = RunProgram("keyvanectl", {"layout", "--json"});
  EXPECT_EQ(json.exit_code, 0) << json.output;
  EXPECT_EQ(Count(json.output, "\"code\": "), 105u);
  EXPECT_EQ(Count(json.output, "\"key_index\": "), 105u);
  EXPECT_NE(json.output.find("\"warnings\": []"), std::string::npos);

  const auto tenkeyless = RunProgram("keyvanectl", {"layout", "101"});
  EXPECT_EQ(tenkeyless.exit_code, 0) << tenkeyless.output;
  EXPECT_NE(tenkeyless.output.find("Keys: 87\n"), std::string::npos);
  EXPECT_NE(tenkeyless.output.find("(no update offered)"), std::string::npos);
}

TEST(LayoutCommandTest, ChecksAFileBeforeItIsInstalled) {
  ScratchFolder dir;
  WriteTestFile(dir / "config.xml", R"(<config><device.info>
      <keyboard name="Mine" device_type="201" device_info="Mine"/></device.info></config>)");
  WriteTestFile(dir / "layouts" / "Mine.xml", R"(<device.info>
      <Keyboard row_count="1" col_count="2"><KeyItems>
        <key code="04" name="A" key_index="0" row_col="0,0" rect="0#0#40#40"/>
        <key code="04" name="B" key_index="120" row_col="0,1" rect="40#0#40#40"/>
      </KeyItems></Keyboard></device.info>)");
  const auto result = RunProgram("keyvanectl", {"--dir", dir.Path().string(), "layout"});
  EXPECT_EQ(result.exit_code, 0) << result.output;
  EXPECT_NE(result.output.find("Warnings: 2"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("key_index 120 is outside"), std::string::npos);
  EXPECT_NE(result.output.find("code already used by key \"A\""), std::string::npos);

  const auto json = RunProgram("keyvanectl", {"--dir", dir.Path().string(), "layout", "--json"});
  EXPECT_EQ(json.exit_code, 0) << json.output;
  EXPECT_NE(json.output.find("\"right\": 80"), std::string::npos) << json.output;
  std::string compact = json.output;
  std::erase_if(compact, [](char c) { return c == ' ' || c == '\n'; });
  EXPECT_NE(compact.find("\"matrix\":[[4,4]]"), std::string::npos) << json.output;
}

TEST(LayoutCommandTest, FailsClearlyWithoutAModelOrItsFile) {
  ScratchFolder dir;
  WriteTestFile(dir / "config.xml", R"(<config><device.info>
      <keyboard name="Mine" device_type="201" device_info="Mine"/></device.info></config>)");
  const struct {
    std::vector<std::string> arguments;
    int exit_code;
    const char* message;
  } cases[] = {
      {{"layout"}, 1, "Mine.xml"},
      {{"layout", "300"}, 1, "no keyboard of device type 300"},
      {{"layout", "2x"}, 2, "device type must be a number"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"--dir", dir.Path().string()};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const auto result = RunProgram("keyvanectl", arguments);
    EXPECT_EQ(result.exit_code, c.exit_code) << result.output;
    EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
  }
}

}  // namespace
