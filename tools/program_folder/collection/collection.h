#pragma once
#include <filesystem>

namespace lumena::tools {

// Writes the default template collection below the program folder: each
// type's pictures and masks in its folder and the template base
// "PartBase.txt" listing them.
void WriteDefaultCollection(const std::filesystem::path& programFolder);

}  // namespace lumena::tools
