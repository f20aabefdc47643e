#pragma once

#include <string>

// The language kept in the settings store as the decimal text "LCID" under SOFTWARE\<device name>.

// The stored language; 0 when none is stored (a missing key is created on the way), 1033 when the
// store cannot be opened.
int ReadStoredLanguage();
// Does nothing when the store cannot be written.
void WriteStoredLanguage(int language);

// The settings key of this program: SOFTWARE\<device name>.
std::wstring ProgramSettingsKey();
