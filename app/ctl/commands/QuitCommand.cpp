// keyvanectl quit: asks the running program to end, as its tray menu's exit does.
#include <chrono>
#include <cstdio>

#include "app/ctl/CtlCommand.h"
#include "app/model/Configuration.h"
#include "app/shell/MainWindowIds.h"
#include "app/shell/Startup.h"
#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Windows.h"
#include "ui/core/Manager.h"

namespace {

constexpr auto kExitWait = std::chrono::seconds(10);
constexpr auto kPollStep = std::chrono::milliseconds(50);

int RunQuit(const CtlOptions& options) {
  if (!options.arguments.empty())
    return CtlFail("quit: unknown argument " + options.arguments.front());
  // The main window carries a property named after the device name of config.xml.
  ReadConfigurationName(ConfigurationFile());
  const std::wstring name = LumoUI::Manager::GetDeviceName();
  auto& windows = platform::Get<platform::Windows>();
  const platform::WindowId window = windows.FindWindowWithProperty(name);
  if (!window) return CtlFail("quit: no running program found");
  if (!windows.Post(window, MainWindowMessage::kExit, 0, MainWindowMessage::kExitConfirmation))
    return CtlFail("quit: the program's window did not take the request");
  // Wait for the window to go, so the caller knows the program has ended.
  auto& clock = platform::Get<platform::Clock>();
  const auto deadline = clock.Now() + kExitWait;
  while (windows.IsWindow(window)) {
    if (clock.Now() >= deadline) return CtlFail("quit: the program did not end in time");
    clock.Sleep(kPollStep);
  }
  std::printf("The program has ended.\n");
  return 0;
}

const CtlCommandRegistration registration({"quit", "", "end the running program", &RunQuit});

}  // namespace
