// Keyvane: the keyboard's configuration program.
#include <cstdio>
#include <cstring>

#include <cstdlib>

#include "app/shell/InstanceActivation.h"
#include "app/shell/KeyboardDlg.h"
#include "app/shell/Startup.h"
#include "platform/Text.h"
#include "sim/SimulatedKeyboard.h"

namespace {

void Say(const std::string& line) {
  std::printf("Keyvane: %s\n", line.c_str());
}

std::string Quoted(const std::wstring& text) {
  return "\"" + platform::ToUtf8(text) + "\"";
}

void PrintUsage() {
  std::printf(
      "Usage: Keyvane [--simulate[=MODES]]\n"
      "  --simulate[=MODES]  run against the simulated keyboard instead of hardware, plugged in\n"
      "                      by cable and both receivers, or in the listed connection modes\n"
      "                      (0 cable, 1 and 2 the receivers: --simulate=1,2)\n");
}

}  // namespace

int main(int argc, char** argv) {
  bool simulate = false;
  std::vector<int> simulated_modes;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage();
      return 0;
    }
    if ((arg != "--simulate" && arg.rfind("--simulate=", 0) != 0) ||
        !sim::ParseSimulatedModes(arg.size() > 11 ? arg.substr(11) : "", simulated_modes)) {
      std::fprintf(stderr, "Keyvane: unknown option %s\n", argv[i]);
      PrintUsage();
      return 2;
    }
    simulate = true;
  }

  const StartupState state = StartUp();
  Say("device name " + Quoted(state.device_name) +
      (state.config_name_read ? " from " + state.config_file.string()
                              : " (built-in; " + state.config_file.string() + " gave none)"));
  switch (state.instance) {
    case platform::InstanceLock::Result::HeldElsewhere:
      Say(ActivateRunningInstance(state.device_name)
              ? "another instance is running; its window is brought to the front"
              : "another instance is running; it keeps the keyboard");
      return 0;
    case platform::InstanceLock::Result::Unavailable:
      Say("single-instance lock unavailable; running without it");
      break;
    case platform::InstanceLock::Result::Acquired:
      Say("single instance held");
      break;
  }
  Say("language " + std::to_string(state.language) +
      (state.language_was_stored ? " (stored)" : " (from the user's language, now stored)"));
  Say("data folder " + state.data_folder.string() +
      (state.database_folder_ready ? "" : " (could not be created)"));
  if (simulate) {
    sim::PlugSimulatedKeyboard(simulated_modes);
    Say("simulated keyboard plugged in");
  }
  KeyboardDlg dialog;
  if (!dialog.CreateMainWindow()) {
    Say("the main window could not be made (is there a display?)");
    return 1;
  }
  const int result = dialog.RunMainWindow();
  // A job hung in a transfer cannot be waited for: end at once, as the exit path promises.
  if (!dialog.WorkerStoppedInTime()) std::_Exit(result);
  return result;
}
