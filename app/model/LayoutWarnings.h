#pragma once

#include <string>
#include <vector>

class KeyLayout;

// What is wrong with a key layout, one line each, for someone writing a device file: keys whose
// position or cell the keyboard's tables cannot hold, codes, positions and cells used twice, and
// matrix sizes beyond the matrix. An empty list means every key reaches every table.
std::vector<std::wstring> CheckKeyLayout(const KeyLayout& layout);
