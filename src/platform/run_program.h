#pragma once
// Runs an outside program of ours to its end, for callers without a window
// to keep painting (the command line).
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace lumena {

// The program's exit status; nothing when it could not be started, ended by
// a signal or ran past `milliseconds` (it is then killed).
std::optional<int> RunProgram(const std::filesystem::path& program, std::span<const std::string> arguments,
                              int milliseconds);

}  // namespace lumena
