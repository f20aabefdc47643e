#pragma once

// The language the program shows its texts in, as a Windows language identifier: 1033 English,
// 2052 Chinese (simplified). Read by every text lookup, on any thread.
int CurrentLanguage();
void SetCurrentLanguage(int language);

constexpr int kLanguageEnglish = 1033;
constexpr int kLanguageChinese = 2052;
