#pragma once

#include <memory>
#include <string>

#include "tests/support/ChildProcess.h"

// A virtual X server of the test's own, on a display number the server picks itself (so tests
// running side by side never collide), stopped with the object.
class XvfbDisplay {
 public:
  // CTest's skip code: X11 tests exit with it where no Xvfb is installed.
  static constexpr int kSkipCode = 77;
  static bool Available();

  XvfbDisplay();
  ~XvfbDisplay();
  bool Ready() const { return !name_.empty(); }
  // ":N", for DISPLAY.
  const std::string& Name() const { return name_; }
  std::string Environment() const { return "DISPLAY=" + name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
};
