#pragma once

#include <filesystem>
#include <string>

// The program's texts: every label, tooltip and message is a number looked up in the section
// "KB.DIALOG" of <program folder>/language/<language>.lan. Nothing is cached, so a file changed
// on disk or a language switched shows at the next lookup.

// Longer texts are cut to this many characters.
constexpr size_t kMaxTextLength = 259;

// <program folder>/language/<language>.lan
std::filesystem::path LanguageFile(int language);

// The text of `number` in the given language; empty when the file, the section or the key is
// missing.
std::wstring TextIn(int language, int number);

// The text of `number` in the current language.
std::wstring Text(int number);
