#pragma once

#include <filesystem>
#include <string>

namespace platform {

enum class ReadFileResult { Ok, Missing, Unreadable };

// Reads a whole file into `content`.
ReadFileResult ReadWholeFile(const std::filesystem::path& file, std::string& content);

// Writes a file next to its final place, flushes it to disk and renames it over the old one, so
// readers and crashes see either the old or the new content, never a mix.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& content);

}  // namespace platform
