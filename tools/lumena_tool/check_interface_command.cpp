// lumena-tool check-interface FILE: "OK", or the error exactly as the
// interface description reports it (exit code 1).
#include <iostream>

#include "interface/interface_errors.h"
#include "interface/interface_parser.h"
#include "platform/text_file.h"
#include "tool_command.h"

namespace lumena::tool {

int RunCheckInterface(Arguments arguments) {
  if (arguments.size() != 1) throw UsageError("needs one file");
  try {
    ParseInterfaceFile(std::filesystem::path(arguments[0]));
  } catch (const EErrorInInfoFile& e) {
    std::string text = e.what();
    for (char& c : text)
      if (c == '\r') c = '\n';
    std::cout << text << '\n';
    return 1;
  }
  std::cout << "OK\n";
  return 0;
}

}  // namespace lumena::tool
