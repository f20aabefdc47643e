#pragma once

// The close behaviour kept as the decimal text "exit_mode" under SOFTWARE\<device name>.
constexpr int kExitModeNotChosen = 0;
constexpr int kExitModeHideToTray = 1;
constexpr int kExitModeExit = 2;

// The stored close behaviour; 0 when none is stored or the store cannot be read.
int ReadExitMode();
