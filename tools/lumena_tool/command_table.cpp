#include <array>

#include "tool_command.h"

namespace lumena::tool {

std::span<const Command> Commands() {
  static constexpr std::array kCommands = {
      Command{"convert", "IN OUT [--quality N]", "converts a picture file; formats follow the extensions", RunConvert},
      Command{"info", "FILE", "prints WIDTHxHEIGHT and the kind of a picture file", RunInfo},
      Command{"check-interface", "FILE", "parses FILE as an interface description: OK or the error", RunCheckInterface},
  };
  return kCommands;
}

}  // namespace lumena::tool
