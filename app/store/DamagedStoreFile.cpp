#include "app/store/DamagedStoreFile.h"

#include <chrono>
#include <ctime>
#include <string>

namespace {

// SQLite keeps these files beside a database; each belongs to the file it is named after.
constexpr const char* kCompanionSuffixes[] = {"-wal", "-shm", "-journal"};

std::filesystem::path WithSuffix(const std::filesystem::path& file, const std::string& suffix) {
  return std::filesystem::path(file.string() + suffix);
}

std::string TimeStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

std::filesystem::path SetAsideDamagedFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::string stem = ".corrupt-" + TimeStamp();
  std::filesystem::path aside = WithSuffix(file, stem);
  // Two damaged files within one second must not overwrite each other.
  for (int n = 2; std::filesystem::exists(aside, error); ++n) {
    aside = WithSuffix(file, stem + "-" + std::to_string(n));
  }
  std::filesystem::rename(file, aside, error);
  if (error) return {};
  // The log goes with its file so a sqlite3 tool opening the kept copy still sees its last writes.
  const auto log = WithSuffix(file, "-wal");
  if (std::filesystem::exists(log, error))
    std::filesystem::rename(log, WithSuffix(aside, "-wal"), error);
  RemoveStoreFiles(file);
  return aside;
}

bool RemoveStoreFiles(const std::filesystem::path& file) {
  bool all_gone = true;
  std::error_code error;
  std::filesystem::remove(file, error);
  if (std::filesystem::exists(file, error)) all_gone = false;
  for (const char* suffix : kCompanionSuffixes) {
    const auto companion = WithSuffix(file, suffix);
    std::filesystem::remove(companion, error);
    if (std::filesystem::exists(companion, error)) all_gone = false;
  }
  return all_gone;
}
