#pragma once

#include <string>

namespace LumoUI {

// Process-wide facts shared by the library and the program.
class Manager {
 public:
  // The name the program is known by: it names the instance lock, the main window, the settings
  // key and the data folder. "Keyvane" until the program sets another.
  static void SetDeviceName(const std::wstring& name);
  static std::wstring GetDeviceName();
};

}  // namespace LumoUI
