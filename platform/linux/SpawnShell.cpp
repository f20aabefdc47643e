#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "platform/Backend.h"
#include "platform/Shell.h"

extern char** environ;

namespace platform {
namespace {

// Starts `program` with `arguments`; the child's pid, or -1.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            bool search_path) {
  std::vector<std::string> args;
  args.push_back(program);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int error =
      search_path ? posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ)
                  : posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
  return error == 0 ? pid : -1;
}

std::optional<int> WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

// Reaps a child that nobody waits for, so it does not linger as a zombie.
void ReapLater(pid_t pid) {
  std::thread([pid] { WaitFor(pid); }).detach();
}

class SpawnShell final : public Shell {
 public:
  std::optional<int> Launch(const std::filesystem::path& program,
                            const std::vector<std::string>& arguments, bool wait) override {
    const pid_t pid = Spawn(program.string(), arguments, false);
    if (pid < 0) return std::nullopt;
    if (wait) return WaitFor(pid);
    ReapLater(pid);
    return 0;
  }

  bool Open(const std::string& target) override {
    const pid_t pid = Spawn("xdg-open", {target}, true);
    if (pid < 0) return false;
    ReapLater(pid);
    return true;
  }
};

}  // namespace

template <>
std::shared_ptr<Shell> MakeRealBackend<Shell>() {
  return std::make_shared<SpawnShell>();
}

}  // namespace platform
