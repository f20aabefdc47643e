#include "tests/support/XvfbDisplay.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <vector>

extern char** environ;

namespace {

constexpr const char* kXvfb = "/usr/bin/Xvfb";

}  // namespace

bool XvfbDisplay::Available() {
  return access(kXvfb, X_OK) == 0;
}

XvfbDisplay::XvfbDisplay() {
  int fds[2];
  if (pipe(fds) != 0) return;
  // The server writes the display number it took to this descriptor once it accepts clients.
  const std::string fd = std::to_string(fds[1]);
  // -noreset: by default the server resets when its last client leaves, and a program started
  // right then cannot connect. Tests start one program after another on the same server.
  std::vector<std::string> args = {kXvfb,          "-displayfd", fd,    "-screen",   "0",
                                   "1280x1024x24", "-nolisten",  "tcp", "-nocursor", "-noreset"};
  std::vector<char*> argv;
  for (auto& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (posix_spawn(&pid_, kXvfb, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string number;
  pollfd wait{fds[0], POLLIN, 0};
  while (pid_ > 0 && poll(&wait, 1, 10000) > 0) {
    char c;
    if (read(fds[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  close(fds[0]);
  if (!number.empty()) name_ = ":" + number;
}

XvfbDisplay::~XvfbDisplay() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}
