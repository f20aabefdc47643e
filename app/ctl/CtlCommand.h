#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What every keyvanectl command is given: the options that mean the same on every command, and the
// words after the command's name.
struct CtlOptions {
  bool simulate = false;             // use the simulated keyboard instead of hardware
  std::vector<int> simulated_modes;  // its connection modes (--simulate=0,1,2)
  bool trace = false;                // print every HID transfer
  bool json = false;                 // machine-readable output
  std::filesystem::path
      dir;  // read the program's data files from here instead of the program folder
  std::vector<std::string> arguments;
};

// One keyvanectl command. Run returns the process exit code: 0 on success, 1 when the command
// failed (after printing a one-line error to standard error), 2 for a usage error.
struct CtlCommand {
  const char* name;
  const char* arguments;  // shown in the usage text, e.g. "[--json]"
  const char* summary;
  int (*run)(const CtlOptions& options);
};

// Commands add themselves to the table from their own file:
//   static const CtlCommandRegistration registration({"config", "[--json]", "...", &RunConfig});
class CtlCommandRegistration {
 public:
  explicit CtlCommandRegistration(const CtlCommand& command);
};

const std::vector<CtlCommand>& CtlCommands();

// Prints "keyvanectl: <message>" on standard error and returns 1.
int CtlFail(const std::string& message);

struct Configuration;
// Reads config.xml from the program folder (or --dir) as the program does. When it cannot, says
// why on one line and returns false.
bool CtlLoadConfiguration(Configuration& configuration);
