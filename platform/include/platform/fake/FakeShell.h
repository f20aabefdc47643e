#pragma once

#include <mutex>

#include "platform/Shell.h"

namespace platform {

// Records every launch and opened address; launches end with a scripted exit code.
class FakeShell final : public Shell {
 public:
  struct Launched {
    std::filesystem::path program;
    std::vector<std::string> arguments;
    bool waited = false;
  };

  void SetExitCode(std::optional<int> code);  // nothing: the program cannot be started
  std::vector<Launched> Launches();
  std::vector<std::string> Opened();

  std::optional<int> Launch(const std::filesystem::path& program,
                            const std::vector<std::string>& arguments, bool wait) override;
  bool Open(const std::string& target) override;

 private:
  std::mutex mutex_;
  std::optional<int> exit_code_ = 0;
  std::vector<Launched> launches_;
  std::vector<std::string> opened_;
};

}  // namespace platform
