// Keyvane: the keyboard's configuration program.
#include <cstdio>
#include <cstring>

#include "app/shell/Startup.h"
#include "platform/Text.h"

namespace {

void Say(const std::string& line) {
  std::printf("Keyvane: %s\n", line.c_str());
}

std::string Quoted(const std::wstring& text) {
  return "\"" + platform::ToUtf8(text) + "\"";
}

void PrintUsage() {
  std::printf(
      "Usage: Keyvane [--simulate]\n"
      "  --simulate   run against the simulated keyboard instead of hardware\n");
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      PrintUsage();
      return 0;
    }
    if (std::strcmp(argv[i], "--simulate") != 0) {
      std::fprintf(stderr, "Keyvane: unknown option %s\n", argv[i]);
      PrintUsage();
      return 2;
    }
  }

  const StartupState state = StartUp();
  Say("device name " + Quoted(state.device_name) +
      (state.config_name_read ? " from " + state.config_file.string()
                              : " (built-in; " + state.config_file.string() + " gave none)"));
  switch (state.instance) {
    case platform::InstanceLock::Result::HeldElsewhere:
      Say("another instance is running; it keeps the keyboard");
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
  Say("start-up done; the main window is not part of this build yet");
  return 0;
}
