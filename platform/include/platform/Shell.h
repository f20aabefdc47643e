#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Starting other programs and opening documents and web addresses.
class Shell {
 public:
  virtual ~Shell() = default;

  // Starts a program; with `wait`, waits for it and returns its exit code. Nothing when it could
  // not be started (or, waiting, did not exit normally).
  virtual std::optional<int> Launch(const std::filesystem::path& program,
                                    const std::vector<std::string>& arguments, bool wait) = 0;
  // Opens a web address or a file with the user's preferred program.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace platform
