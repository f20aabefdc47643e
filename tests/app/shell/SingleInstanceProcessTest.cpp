// Starts the real program as a separate process to check the single-instance guard end to end.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Backend.h"
#include "platform/InstanceLock.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

ProgramResult RunKeyvane(const ScratchFolder& scratch) {
  return RunProgram("Keyvane", {},
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

}  // namespace
