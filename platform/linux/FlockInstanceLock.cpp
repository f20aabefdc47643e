#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Backend.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"

namespace platform {
namespace {

// The name is held by an exclusive flock on a file in the runtime folder. The kernel drops the
// lock when the descriptor closes, so a crashed instance never leaves the name taken.
class FlockHolder final : public InstanceLock::Holder {
 public:
  explicit FlockHolder(int fd) : fd_(fd) {}
  ~FlockHolder() override { close(fd_); }

 private:
  int fd_;
};

class FlockInstanceLock final : public InstanceLock {
 public:
  Result Acquire(const std::wstring& name, std::unique_ptr<Holder>& holder) override {
    const auto folder = Get<Folders>().RuntimeFolder() / "keyvane";
    if (!EnsureFolder(folder)) return Result::Unavailable;
    const auto file = folder / (SafeFileName(name) + ".lock");
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Result::Unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      close(fd);
      return error == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unavailable;
    }
    holder = std::make_unique<FlockHolder>(fd);
    return Result::Acquired;
  }
};

}  // namespace

template <>
std::shared_ptr<InstanceLock> MakeRealBackend<InstanceLock>() {
  return std::make_shared<FlockInstanceLock>();
}

}  // namespace platform
