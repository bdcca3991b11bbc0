// lumena-tool COMMAND ARGUMENTS...: every failure is a message on standard
// error and a non-zero exit code.
#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tool_command.h"

namespace {

using lumena::tool::Command;

void PrintUsage(std::ostream& out) {
  out << "usage: lumena-tool COMMAND ARGUMENTS\n";
  for (const Command& c : lumena::tool::Commands())
    out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
}

const Command* FindCommand(std::string_view name) {
  const auto commands = lumena::tool::Commands();
  const auto it = std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == name; });
  return it == commands.end() ? nullptr : &*it;
}

int RunCommand(const Command& command, const std::vector<std::string>& arguments) {
  try {
    return command.run(arguments);
  } catch (const lumena::tool::UsageError& e) {
    std::cerr << "lumena-tool " << command.name << ": " << e.what() << "\nusage: lumena-tool " << command.name << ' '
              << command.usage << '\n';
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "lumena-tool " << command.name << ": " << e.what() << '\n';
    return 1;
  } catch (...) {
    std::cerr << "lumena-tool " << command.name << ": unexpected failure\n";
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
  if (words.empty() || words[0] == "--help" || words[0] == "-h") {
    PrintUsage(words.empty() ? std::cerr : std::cout);
    return words.empty() ? 2 : 0;
  }
  const Command* command = FindCommand(words[0]);
  if (!command) {
    std::cerr << "lumena-tool: unknown command \"" << words[0] << "\"\n";
    PrintUsage(std::cerr);
    return 2;
  }
  return RunCommand(*command, std::vector<std::string>(words.begin() + 1, words.end()));
}
