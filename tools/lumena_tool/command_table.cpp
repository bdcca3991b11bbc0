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
      Command{"try-on", "PORTRAIT TEMPLATE... -o OUT [--eyes LX,LY,RX,RY] [--program-folder DIR]",
              "adjusts the portrait as a face and lays the templates (by name or file) as the windows do; OUT is a "
              "work or the work's picture",
              RunTryOn},
  };
  return kCommands;
}

}  // namespace lumena::tool
