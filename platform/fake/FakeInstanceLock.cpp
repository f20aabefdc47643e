#include "platform/fake/FakeInstanceLock.h"

namespace platform {

class FakeInstanceHolder final : public InstanceLock::Holder {
 public:
  FakeInstanceHolder(std::shared_ptr<FakeInstanceLock> lock, std::wstring name)
      : lock_(std::move(lock)), name_(std::move(name)) {}
  ~FakeInstanceHolder() override { lock_->Release(name_); }

 private:
  std::shared_ptr<FakeInstanceLock> lock_;
  std::wstring name_;
};

InstanceLock::Result FakeInstanceLock::Acquire(const std::wstring& name,
                                               std::unique_ptr<Holder>& holder) {
  std::lock_guard lock(mutex_);
  if (!held_.insert(name).second) return Result::HeldElsewhere;
  holder = std::make_unique<FakeInstanceHolder>(shared_from_this(), name);
  return Result::Acquired;
}

bool FakeInstanceLock::IsHeld(const std::wstring& name) {
  std::lock_guard lock(mutex_);
  return held_.contains(name);
}

void FakeInstanceLock::Release(const std::wstring& name) {
  std::lock_guard lock(mutex_);
  held_.erase(name);
}

}  // namespace platform
