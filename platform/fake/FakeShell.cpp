#include "platform/fake/FakeShell.h"

namespace platform {

void FakeShell::SetExitCode(std::optional<int> code) {
  std::lock_guard lock(mutex_);
  exit_code_ = code;
}

std::vector<FakeShell::Launched> FakeShell::Launches() {
  std::lock_guard lock(mutex_);
  return launches_;
}

std::vector<std::string> FakeShell::Opened() {
  std::lock_guard lock(mutex_);
  return opened_;
}

std::optional<int> FakeShell::Launch(const std::filesystem::path& program,
                                     const std::vector<std::string>& arguments, bool wait) {
  std::lock_guard lock(mutex_);
  launches_.push_back({program, arguments, wait});
  if (!exit_code_) return std::nullopt;
  return wait ? *exit_code_ : 0;
}

bool FakeShell::Open(const std::string& target) {
  std::lock_guard lock(mutex_);
  opened_.push_back(target);
  return true;
}

}  // namespace platform
