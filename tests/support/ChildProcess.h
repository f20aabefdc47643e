#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// A program running beside the test. Killed (and reaped) when the object goes, if still running.
class ChildProcess {
 public:
  // Starts `program` (an absolute path, or a built program's name) with `environment` entries
  // ("NAME=value") added to this process's environment.
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  // The exit code, or -1 when it did not exit normally within `timeout` (a program still running
  // is left running; the destructor ends it).
  int Wait(std::chrono::milliseconds timeout);

 private:
  pid_t pid_ = -1;
};
