#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

ReadFileResult ReadWholeFile(const std::filesystem::path& file, std::string& content) {
  content.clear();
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT || errno == ENOTDIR ? ReadFileResult::Missing
                                               : ReadFileResult::Unreadable;
  struct stat info {};
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    return ReadFileResult::Unreadable;
  }
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      close(fd);
      content.clear();
      return ReadFileResult::Unreadable;
    }
    content.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return ReadFileResult::Ok;
}

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& content) {
  const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::string temp = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  const char* data = content.data();
  size_t left = content.size();
  bool ok = true;
  while (left > 0) {
    const ssize_t written = write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  // mkstemp makes the file private; give it the usual permissions of a user file.
  ok = ok && fchmod(fd, 0644) == 0 && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  if (ok) ok = rename(temp.c_str(), file.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace platform
