#pragma once
#include <filesystem>

namespace lumena {

// The per-user base folders of the XDG base directory rules.
std::filesystem::path XdgConfigHome();
std::filesystem::path XdgDataHome();
std::filesystem::path HomeFolder();

}  // namespace lumena
