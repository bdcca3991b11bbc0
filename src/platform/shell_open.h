#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

// Starts a program without waiting for it; false when it could not start.
// The child is reaped in the background.
bool StartDetached(const std::vector<std::string>& command);

// Runs a program to its end; its exit code, or -1 when it could not start.
int RunAndWait(const std::vector<std::string>& command);

// True when a program of that name is on the PATH.
bool ProgramOnPath(std::string_view name);

// Opens a web address or a file with the user's default program (xdg-open).
// LUMENA_OPEN_COMMAND names another opener (tests use it).
bool OpenWithDefaultProgram(std::string_view address);

}  // namespace lumena
