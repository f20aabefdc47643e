// Starts the real program as a separate process to check the single-instance guard end to end.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Backend.h"
#include "platform/InstanceLock.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

ProgramResult RunKeyvane(const ScratchFolder& scratch, const std::string& program = "Keyvane") {
  return RunProgram(program, {},
                    {"XDG_RUNTIME_DIR=" + (scratch / "runtime").string(),
                     "XDG_DATA_HOME=" + (scratch / "data").string(),
                     "XDG_CONFIG_HOME=" + (scratch / "config").string()});
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
  EXPECT_EQ(alone.exit_code, 0) << alone.output;
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

  // A second installation whose config.xml names another device: the program and its libraries
  // copied into a folder of their own.
  const auto bin = std::filesystem::path(KEYVANE_BINARY_DIR) / "bin";
  const auto other = scratch / "other";
  std::filesystem::create_directories(other);
  for (const char* file : {"Keyvane", "libkeyvane-platform.so", "libLumoUI.so"}) {
    std::filesystem::copy_file(bin / file, other / file);
  }
  WriteTestFile(other / "config.xml", "<config><software name=\"Keyvane Pro\"/></config>");

  const ProgramResult result = RunKeyvane(scratch, (other / "Keyvane").string());
  EXPECT_EQ(result.exit_code, 0) << result.output;
  EXPECT_NE(result.output.find("device name \"Keyvane Pro\""), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("single instance held"), std::string::npos) << result.output;
  EXPECT_TRUE(std::filesystem::is_directory(scratch / "data" / "Keyvane Pro Files" / "db"));
}

}  // namespace
