#include "app/ctl/CtlCommand.h"

#include <algorithm>
#include <cstdio>

#include "app/model/Configuration.h"

namespace {
std::vector<CtlCommand>& Table() {
  static std::vector<CtlCommand> table;
  return table;
}
}  // namespace

CtlCommandRegistration::CtlCommandRegistration(const CtlCommand& command) {
  auto& table = Table();
  table.push_back(command);
  std::sort(table.begin(), table.end(),
            [](const CtlCommand& a, const CtlCommand& b) { return std::string(a.name) < b.name; });
}

const std::vector<CtlCommand>& CtlCommands() {
  return Table();
}

int CtlFail(const std::string& message) {
  std::fprintf(stderr, "keyvanectl: %s\n", message.c_str());
  return 1;
}

bool CtlLoadConfiguration(Configuration& configuration) {
  const auto file = ConfigurationFile();
  const auto result = LoadConfiguration(file, configuration);
  if (result == XmlDocument::LoadResult::Ok) return true;
  CtlFail(file.string() + ": " + DescribeLoadResult(result));
  return false;
}
