#pragma once

#include <filesystem>

// Moves a database file that cannot be used out of the way, so a fresh one can take its place
// while the old one stays for inspection: <file>.corrupt-<YYYYMMDD-HHMMSS>, with its write-ahead
// log moved beside it. Returns the new name, or an empty path when the file could not be moved.
std::filesystem::path SetAsideDamagedFile(const std::filesystem::path& file);

// Removes a database file together with its write-ahead log and shared-memory index. A stale log
// left beside a new file of the same name would be replayed into it. True when none is left.
bool RemoveStoreFiles(const std::filesystem::path& file);
