#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Program strings are wide; files, the database and the desktop speak UTF-8.
std::string ToUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD, so a damaged file still yields readable text.
std::wstring FromUtf8(std::string_view text);
bool IsValidUtf8(std::string_view bytes);

// Converts text in any encoding iconv knows ("UTF-16LE", "GBK", ...) to UTF-8; nothing when the
// encoding is unknown or the bytes are not valid in it.
std::optional<std::string> ConvertToUtf8(std::string_view bytes, const std::string& encoding);

// ASCII-only case folding, for names that the program compares without case.
std::wstring AsciiLower(std::wstring_view text);

}  // namespace platform
