// Starts the real program as a separate process to check the single-instance guard end to end.
// The program runs without a display here: it gets through start-up, finds it cannot open its
// main window, says so and ends with 1.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Backend.h"
#include "platform/InstanceLock.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

ProgramResult RunKeyvane(const ScratchFolder& scratch, const std::string& program = "Keyvane") {
  return RunProgram(program, {},
                    {"DISPLAY=", "XDG_RUNTIME_DIR=" + (scratch / "runtime").string(),
                     "XDG_DATA_HOME=" + (scratch / "data").string(),
                     "XDG_CONFIG_HOME=" + (scratch / "config").string()});
}

// A second installation of the program: the executable and its libraries copied into a folder of
// their own, next to the given config.xml. Returns the executable's path.
std::string InstallCopy(const std::filesystem::path& folder, const std::string& config) {
  const auto bin = std::filesystem::path(KEYVANE_BINARY_DIR) / "bin";
  std::filesystem::create_directories(folder);
  for (const char* file : {"Keyvane", "libkeyvane-platform.so", "libLumoUI.so"}) {
    std::filesystem::copy_file(bin / file, folder / file);
  }
  WriteTestFile(folder / "config.xml", config);
  return (folder / "Keyvane").string();
}

TEST(SingleInstanceProcessTest, SecondProcessWithTheSameNameExitsWithZero) {
  ScratchFolder scratch;
  std::filesystem::create_directories(scratch / "runtime");
  // This test process takes the name first, through the same lock the program uses.
  setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);
  auto lock = platform::MakeRealBackend<platform::InstanceLock>();
  std::unique_ptr<platform::InstanceLock::Holder> holder;
  ASSERT_EQ(lock->Acquire(L"Keyvane", holder), platform::InstanceLock::Result::Acquired);
  unsetenv("XDG_RUNTIME_DIR");

  const ProgramResult second = RunKeyvane(scratch);
  EXPECT_EQ(second.exit_code, 0) << second.output;
  EXPECT_NE(second.output.find("another instance is running"), std::string::npos) << second.output;

  holder.reset();
  const ProgramResult alone = RunKeyvane(scratch);
  EXPECT_EQ(alone.exit_code, 1) << alone.output;
  EXPECT_NE(alone.output.find("main window could not be made"), std::string::npos) << alone.output;
  EXPECT_NE(alone.output.find("single instance held"), std::string::npos) << alone.output;
  EXPECT_TRUE(std::filesystem::is_directory(scratch / "data" / "Keyvane Files" / "db"));
}

TEST(SingleInstanceProcessTest, ProgramsWithAnotherDeviceNameRunSideBySide) {
  ScratchFolder scratch;
  std::filesystem::create_directories(scratch / "runtime");
  setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);
  auto lock = platform::MakeRealBackend<platform::InstanceLock>();
  std::unique_ptr<platform::InstanceLock::Holder> holder;
  ASSERT_EQ(lock->Acquire(L"Keyvane", holder), platform::InstanceLock::Result::Acquired);
  unsetenv("XDG_RUNTIME_DIR");

  // A second installation whose config.xml names another device.
  const ProgramResult result = RunKeyvane(
      scratch, InstallCopy(scratch / "other", "<config><software name=\"Keyvane Pro\"/></config>"));
  EXPECT_EQ(result.exit_code, 1) << result.output;
  EXPECT_NE(result.output.find("device name \"Keyvane Pro\""), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("single instance held"), std::string::npos) << result.output;
  EXPECT_TRUE(std::filesystem::is_directory(scratch / "data" / "Keyvane Pro Files" / "db"));
}

TEST(SingleInstanceProcessTest, BadConfigurationStillStartsWithoutAKeyboard) {
  const char* configs[] = {
      "",
      "<config><device.info><keyboard name=\"K\"",
      "\xFF\xFE<\0c\0",
      "<config><device.info><keyboard name=\"K\" device_type=\"999999999999\">"
      "<mode vid=\"FFFFFFFFFFFF\" pid=\"-1\" value=\"7\"/></keyboard></device.info></config>",
  };
  int index = 0;
  for (const char* config : configs) {
    ScratchFolder scratch;
    const std::string program = InstallCopy(scratch / "program", config);
    const ProgramResult result =
        RunProgram(program, {"--simulate"},
                   {"DISPLAY=", "XDG_RUNTIME_DIR=" + (scratch / "runtime").string(),
                    "XDG_DATA_HOME=" + (scratch / "data").string(),
                    "XDG_CONFIG_HOME=" + (scratch / "config").string()});
    EXPECT_EQ(result.exit_code, 1) << index << result.output;
    EXPECT_NE(result.output.find("device name \"Keyvane\" (built-in"), std::string::npos)
        << index << result.output;
    EXPECT_NE(result.output.find("main window could not be made"), std::string::npos)
        << index << result.output;
    ++index;
  }
}

}  // namespace
