#pragma once

#include <string>

#include "platform/WindowMessages.h"
#include "ui/core/Color.h"

namespace LumoUI {

class MWindow;

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

  // The program's module handle, kept for whoever asks; nothing is loaded through it here.
  static void SetInstance(void* instance);
  static void* GetInstance();
  // Drawing needs no start-up on this platform; kept so start-up reads the same everywhere.
  static bool InitGdiplus() { return true; }
  static void UnInitGdiplus() {}

  // The windows of the process, so a loop can hand each message to the window it is for.
  static void AddWnd(MWindow* window);
  static void DeleteWnd(MWindow* window);
  static MWindow* FindWnd(platform::WindowId window);
  // Runs the thread's messages until WM_QUIT (for programs without a modal window); returns the
  // quit code. Messages taken while Alt+F4 is held are dropped.
  static int MessageLoop();
  // True when the message must not be dispatched: Alt+F4 is held, or the window it is for
  // (other than `skip`) consumed it in its own PreTranslateMessage.
  static bool PreTranslateMessage(const platform::WindowMessage& message, MWindow* skip = nullptr);
};

}  // namespace LumoUI
