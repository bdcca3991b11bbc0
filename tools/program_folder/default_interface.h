#pragma once
#include <filesystem>

namespace lumena::tools {

// Writes Intfaces/DEFAULT/1024-768/ and 800-600/ below the program folder:
// an INTFACE.TXT and every skin and button picture, as element pictures.
void WriteDefaultInterface(const std::filesystem::path& programFolder);

}  // namespace lumena::tools
