#include "app/shell/TrayMenu.h"

#include "app/shell/LanguageText.h"
#include "app/shell/MainWindowIds.h"
#include "platform/Backend.h"

namespace {

constexpr int kMenuWidth = 220;

}  // namespace

std::unique_ptr<LumoUI::MenuWnd> OpenTrayMenu(platform::WindowId owner, uint32_t message) {
  const platform::Rect screen = platform::Get<platform::Windows>().ScreenRect();
  auto menu = std::make_unique<LumoUI::MenuWnd>(nullptr);
  // Opened at the bottom edge: the menu keeps itself inside the work area, so it rises above it.
  if (!menu->Create(owner, {screen.right - kMenuWidth, screen.bottom}, message, L"", kMenuWidth, 0,
                    LumoUI::BackModeNatural)) {
    return nullptr;
  }
  menu->AddMenu(Text(10), static_cast<unsigned>(MainWindowMessage::kTrayCloseBehaviour));
  menu->AddMenu(Text(11), static_cast<unsigned>(MainWindowMessage::kTrayExit));
  menu->BringToTop();
  return menu;
}
