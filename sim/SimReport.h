#pragma once

#include <cstdint>
#include <vector>

#include "platform/Clock.h"

namespace sim {

// One transfer the simulated keyboard saw, stamped with the platform clock's time.
struct SimReport {
  enum class Kind { Write, SetFeature, GetFeature };

  platform::Clock::Duration time{};
  Kind kind = Kind::Write;
  int connection_mode = 0;
  int interface_number = 0;
  // As received for writes and set-features; as answered for get-features.
  std::vector<uint8_t> bytes;
  bool taken = true;  // false when the transfer was made to fail
};

}  // namespace sim
