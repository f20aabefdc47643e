// keyvanectl: the command-line companion of Keyvane, for scripting the keyboard and for support.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/ctl/CtlCommand.h"
#include "app/device/TracingHid.h"
#include "platform/Backend.h"
#include "platform/Folders.h"
#include "platform/Hid.h"
#include "sim/SimulatedKeyboard.h"

namespace {

// --dir: the program's data files come from another folder; the user's folders stay as they are.
class DataFolderOverride final : public platform::Folders {
 public:
  DataFolderOverride(std::filesystem::path dir, std::shared_ptr<platform::Folders> real)
      : dir_(std::move(dir)), real_(std::move(real)) {}
  std::filesystem::path ProgramFolder() override { return dir_; }
  std::filesystem::path LocalDataFolder() override { return real_->LocalDataFolder(); }
  std::filesystem::path ConfigFolder() override { return real_->ConfigFolder(); }
  std::filesystem::path RuntimeFolder() override { return real_->RuntimeFolder(); }

 private:
  std::filesystem::path dir_;
  std::shared_ptr<platform::Folders> real_;
};

// --trace: every HID transfer goes through a tracing back end wrapped around the real or simulated
// one. Trace lines go to standard error so that --json output stays machine-readable.
void TraceHidTransfers() {
  std::shared_ptr<platform::Hid> inner = platform::Install<platform::Hid>(nullptr);
  if (!inner) inner = platform::MakeRealBackend<platform::Hid>();
  platform::Install<platform::Hid>(std::make_shared<TracingHid>(
      std::move(inner),
      [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }));
}

void PrintUsage(FILE* out) {
  std::fprintf(out,
               "Usage: keyvanectl [--simulate] [--trace] [--json] [--dir FOLDER] COMMAND [ARGS]\n"
               "\n"
               "  --simulate[=MODES]  use the simulated keyboard instead of hardware, plugged\n"
               "                in by cable and both receivers, or in the listed modes\n"
               "                (0 cable, 1 and 2 the receivers: --simulate=1,2)\n"
               "  --trace       print every HID transfer (time since the previous one, direction,\n"
               "                channel, report bytes) on standard error\n"
               "  --json        print machine-readable JSON\n"
               "  --dir FOLDER  read the program's data files (config.xml, layouts, language)\n"
               "                from FOLDER instead of the program folder\n"
               "\nCommands:\n");
  for (const auto& command : CtlCommands()) {
    const std::string usage = std::string(command.name) + " " + command.arguments;
    std::fprintf(out, "  %-28s %s\n", usage.c_str(), command.summary);
  }
}

}  // namespace

int main(int argc, char** argv) {
  CtlOptions options;
  const CtlCommand* command = nullptr;
  // Common options may stand before or after the command's name.
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--simulate" || arg.rfind("--simulate=", 0) == 0) {
      options.simulate = true;
      const std::string modes = arg.size() > 11 ? arg.substr(11) : "";
      if (!sim::ParseSimulatedModes(modes, options.simulated_modes)) {
        CtlFail("--simulate takes connection modes 0, 1 and 2, e.g. --simulate=1,2");
        return 2;
      }
    } else if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--dir") {
      if (i + 1 >= argc) return CtlFail("--dir needs a folder");
      options.dir = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      PrintUsage(stdout);
      return 0;
    } else if (!command) {
      for (const auto& candidate : CtlCommands()) {
        if (arg == candidate.name) command = &candidate;
      }
      if (!command) {
        CtlFail("unknown command '" + arg + "' (see keyvanectl --help)");
        return 2;
      }
    } else {
      options.arguments.push_back(arg);
    }
  }
  if (!command) {
    PrintUsage(stderr);
    return 2;
  }
  if (!options.dir.empty()) {
    std::error_code error;
    if (!std::filesystem::is_directory(options.dir, error)) {
      return CtlFail("cannot read folder " + options.dir.string());
    }
    options.dir = std::filesystem::absolute(options.dir, error);
    platform::Install<platform::Folders>(std::make_shared<DataFolderOverride>(
        options.dir, platform::MakeRealBackend<platform::Folders>()));
  }
  if (options.simulate) sim::PlugSimulatedKeyboard(options.simulated_modes);
  if (options.trace) TraceHidTransfers();
  return command->run(options);
}
