#pragma once

#include <string>
#include <string_view>

// New profiles and macros are named with a word of the language file followed by a number
// ("Profile 2", "宏 1"). When the language changes, names that still start with the other
// language's word are shown with the new language's word instead; names the user chose stay.

constexpr int kTextProfileWord = 65;
constexpr int kTextMacroWord = 331;

// The name as shown in `language`: under 2052 a name starting with "Profile" gets text 65 in
// place of those 7 characters, under 1033 one starting with "配置方案" in place of those 4.
std::wstring LocalizedProfileName(std::wstring_view name, int language);
// The same for macros: "Macro" under 2052 and "宏" under 1033 give way to text 331.
std::wstring LocalizedMacroName(std::wstring_view name, int language);
