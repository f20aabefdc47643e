#pragma once

#include <string_view>

// Number conversions as the program's files use them: leading whitespace and an optional sign,
// then as many digits as there are; text that starts with no digit is 0. Values beyond the int
// range are clamped.
int LeadingDecimal(std::wstring_view text);
// Hexadecimal without prefix ("1A2B"); an optional "0x" is accepted too.
int LeadingHex(std::wstring_view text);
