#pragma once

#include <string>
#include <vector>

struct ProgramResult {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string output;  // standard output and standard error together
};

// Runs one of the built programs (bin/<name>, or the program at an absolute path) with `arguments` and `environment` entries
// ("NAME=value") added to this process's environment, and waits for it.
ProgramResult RunProgram(const std::string& name, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {});
