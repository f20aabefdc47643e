#pragma once

// The main window's menu flags: which pages, and which keyboard views, a model offers.
constexpr int kMenuKeyAssignment = 0x01;  // key assignment page and its keyboard view
constexpr int kMenuMacro = 0x02;          // macro page
constexpr int kMenuLighting = 0x04;       // lighting page and its keyboard view
constexpr int kMenuSettingsView = 0x40;   // the keyboard view of the settings page
// What a device file's `menu` always turns on; macro and lighting are added by its attributes.
constexpr int kMenuBase = kMenuKeyAssignment | kMenuSettingsView;
