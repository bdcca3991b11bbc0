#pragma once
// The command table of lumena-tool: each command is a function in a file of
// its own, listed once in command_table.cpp.
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lumena::tool {

using Arguments = std::span<const std::string>;

struct Command {
  std::string_view name;
  std::string_view usage;           // the arguments, for the help text
  std::string_view summary;         // one line
  int (*run)(Arguments arguments);  // the exit code; failures throw
};

std::span<const Command> Commands();

// Wrong arguments: reported with the command's usage line, exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

int RunConvert(Arguments arguments);
int RunInfo(Arguments arguments);
int RunCheckInterface(Arguments arguments);
int RunTryOn(Arguments arguments);

}  // namespace lumena::tool
