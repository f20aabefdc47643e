// Starts the real program as a separate process to check the single-instance guard end to end.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <cstdlib>

#include "platform/Backend.h"
#include "platform/InstanceLock.h"
#include "tests/support/ScratchFolder.h"

namespace {

struct RunResult {
  int exit_code = -1;
  std::string output;
};

RunResult RunKeyvane(const ScratchFolder& scratch) {
  const std::string command = "XDG_RUNTIME_DIR='" + (scratch / "runtime").string() +
                              "' XDG_DATA_HOME='" + (scratch / "data").string() +
                              "' XDG_CONFIG_HOME='" + (scratch / "config").string() + "' '" +
                              KEYVANE_BINARY_DIR + "/bin/Keyvane' 2>&1";
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe))
    result.output += buffer;
  const int status = pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

TEST(SingleInstanceProcessTest, SecondProcessWithTheSameNameExitsWithZero) {
  ScratchFolder scratch;
  std::filesystem::create_directories(scratch / "runtime");
  // This test process takes the name first, through the same lock the program uses.
  setenv("XDG_RUNTIME_DIR", (scratch / "runtime").c_str(), 1);
  auto lock = platform::MakeRealBackend<platform::InstanceLock>();
  std::unique_ptr<platform::InstanceLock::Holder> holder;
  ASSERT_EQ(lock->Acquire(L"Keyvane", holder), platform::InstanceLock::Result::Acquired);

  const RunResult second = RunKeyvane(scratch);
  EXPECT_EQ(second.exit_code, 0) << second.output;
  EXPECT_NE(second.output.find("another instance is running"), std::string::npos) << second.output;

  holder.reset();
  const RunResult alone = RunKeyvane(scratch);
  EXPECT_EQ(alone.exit_code, 0) << alone.output;
  EXPECT_NE(alone.output.find("single instance held"), std::string::npos) << alone.output;
  EXPECT_TRUE(std::filesystem::is_directory(scratch / "data" / "Keyvane Files" / "db"));
  unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
