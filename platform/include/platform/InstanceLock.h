#pragma once

#include <memory>
#include <string>

namespace platform {

// A name held by one process at a time: the program's single-instance guard. The name is released
// when the returned holder is destroyed or the process ends, however it ends.
class InstanceLock {
 public:
  enum class Result { Acquired, HeldElsewhere, Unavailable };

  class Holder {
   public:
    virtual ~Holder() = default;
  };

  virtual ~InstanceLock() = default;

  // Acquired with a holder; HeldElsewhere when another holder has the name; Unavailable when the
  // lock itself cannot be made (the program then runs without the guard).
  virtual Result Acquire(const std::wstring& name, std::unique_ptr<Holder>& holder) = 0;
};

}  // namespace platform
