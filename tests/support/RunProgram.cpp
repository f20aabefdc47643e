#include "tests/support/RunProgram.h"

#include <sys/wait.h>

#include <cstdio>

namespace {

std::string ShellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

}  // namespace

ProgramResult RunProgram(const std::string& name, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
  std::string command = "env";
  for (const auto& entry : environment)
    command += " " + ShellQuote(entry);
  const std::string program =
      name.front() == '/' ? name : std::string(KEYVANE_BINARY_DIR) + "/bin/" + name;
  command += " " + ShellQuote(program);
  for (const auto& argument : arguments)
    command += " " + ShellQuote(argument);
  command += " 2>&1";

  ProgramResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    result.output.append(buffer, got);
  const int status = pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}
