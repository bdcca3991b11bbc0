#include <array>

#include "tool_command.h"

namespace lumena::tool {

std::span<const Command> Commands() {
  static constexpr std::array kCommands = {
      Command{
          "convert", "IN OUT [--quality N]",
          "converts a picture file or a work (.lmu, .lmc) into a work or its picture; formats follow the extensions",
          RunConvert},
      Command{"info", "FILE", "prints WIDTHxHEIGHT and the kind of a picture file, or the table of contents of a work",
              RunInfo},
      Command{"check-interface", "FILE", "parses FILE as an interface description: OK or the error", RunCheckInterface},
  };
  return kCommands;
}

}  // namespace lumena::tool
