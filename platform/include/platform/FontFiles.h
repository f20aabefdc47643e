#pragma once

#include <filesystem>
#include <string>

namespace platform {

// Makes the fonts in a file usable by text drawn afterwards in this process; returns the family
// name of its first face, empty when the file is missing or holds no font.
std::wstring AddFontFile(const std::filesystem::path& path);
// Whether a family of exactly this name is installed or was added from a file.
bool IsFontFamilyAvailable(const std::wstring& family);
// The installed family text falls back to when the one asked for is missing.
std::wstring FallbackFontFamily();

}  // namespace platform
