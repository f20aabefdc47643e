// keyvanectl text, run as a translator would.
#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

TEST(TextCommandTest, PrintsOneTextOrSaysWhyNot) {
  ScratchFolder folder;
  WriteTestFile(folder / "language" / "2052.lan", "\xEF\xBB\xBF[KB.DIALOG]\r\n65=方案\r\n");
  WriteTestFile(folder / "language" / "1033.lan", "[OTHER]\n65=Profile\n");
  const std::string dir = folder.Path().string();
  const struct {
    std::vector<std::string> arguments;
    int exit_code;
    const char* output;
  } cases[] = {
      {{"text", "65", "--lang", "1033"}, 0, "Profile\n"},  // the shipped file
      {{"text", "65", "--lang", "2052"}, 0, "配置方案\n"},
      {{"--dir", dir, "text", "65", "--lang", "2052"}, 0, "方案\n"},
      {{"--dir", dir, "text", "--json", "65", "--lang", "2052"}, 0, "\"text\": \"方案\""},
      {{"--dir", dir, "text", "65", "--lang", "1033"}, 1, "no text 65 in [KB.DIALOG]"},
      {{"--dir", dir + "/language", "text", "65", "--lang", "1033"}, 1, "file not found"},
      {{"text", "65", "--lang", "1031"}, 2, "--lang takes 1033 or 2052"},
      {{"text", "--lang", "2052"}, 2, "text needs a NUMBER"},
      {{"text", "sixty-five"}, 2, "unexpected argument sixty-five"},
  };
  for (const auto& c : cases) {
    const auto result = RunProgram("keyvanectl", c.arguments);
    EXPECT_EQ(result.exit_code, c.exit_code) << result.output;
    EXPECT_NE(result.output.find(c.output), std::string::npos) << result.output;
  }
}

}  // namespace
