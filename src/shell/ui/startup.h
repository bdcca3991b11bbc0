#pragma once
// The program's start-up sequence, from the backdrop to the message loop.
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

namespace lumena {

struct StartupOptions {
  std::optional<std::filesystem::path> programFolder;  // --program-folder DIR
  // The one file named: a work, or any other picture taken as a portrait.
  std::optional<std::string> workFile;
  bool skipIntro = false;  // --no-intro
};

// Reads the command line (without the program name); throws
// std::invalid_argument with a message for an unknown option.
StartupOptions ParseCommandLine(const QStringList& arguments);

// Runs the program; returns the process exit code. A start-up failure shows
// its error box and returns 1.
int RunLumena(const StartupOptions& options);

}  // namespace lumena
