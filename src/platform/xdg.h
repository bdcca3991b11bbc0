#pragma once
#include <filesystem>

namespace lumena {

// The per-user base folders of the XDG base directory rules.
std::filesystem::path xdgConfigHome();
std::filesystem::path xdgDataHome();
std::filesystem::path homeFolder();

}  // namespace lumena
