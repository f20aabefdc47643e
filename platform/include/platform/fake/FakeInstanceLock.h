#pragma once

#include <mutex>
#include <set>

#include "platform/InstanceLock.h"

namespace platform {

// Names held within this process; holders release their name when destroyed.
class FakeInstanceLock final : public InstanceLock,
                               public std::enable_shared_from_this<FakeInstanceLock> {
 public:
  Result Acquire(const std::wstring& name, std::unique_ptr<Holder>& holder) override;
  bool IsHeld(const std::wstring& name);

 private:
  friend class FakeInstanceHolder;
  void Release(const std::wstring& name);

  std::mutex mutex_;
  std::set<std::wstring> held_;
};

}  // namespace platform
