#pragma once

#include <string>

#include "ui/core/Color.h"

namespace LumoUI {

// Process-wide facts shared by the library and the program. Set at start-up, read afterwards.
class Manager {
 public:
  // The name the program is known by: it names the instance lock, the main window, the settings
  // key and the data folder. "Keyvane" until the program sets another.
  static void SetDeviceName(const std::wstring& name);
  static std::wstring GetDeviceName();

  // The one font family every text is drawn with, and the default size of new text controls.
  static void SetFontName(const std::wstring& name);
  static void SetFont(const std::wstring& name, int size);
  static std::wstring GetFontName();
  static int GetFontWidth();

  // The colour lists mark hovered and selected rows with.
  static Color GetSelectColor() { return Color(0xFF10A8FD); }
  // The skin theme folder under "skins", with its trailing separator.
  static std::wstring GetTheme() { return L"theme1\\"; }
};

}  // namespace LumoUI
